// The host's own view of the SDK: sign in through the facade, build a transaction from
// two PDFs and two signers, start it as a local draft, and let the synchronisation queue
// create it on the loopback stand-in of the signing service.
#include "DemoPdf.h"
#include "DemoRegistry.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKTransactionManager.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "fields/ZKElementView.h"
#include "model/ZKParticipant.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "sdk/VeltraDelegate.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

struct HostDelegate : VeltraDelegate {
    void didExitSDK(const Dictionary& info) override
    {
        std::cout << "The SDK closed on " << info.value("name", "") << " (" << info.value("status", "") << ")\n";
        exited = true;
    }
    void didSynchronizeTransaction(const Dictionary& details) override { result = details; }
    void synchronizingFailedForTransaction(const Dictionary& details) override { result = details; }
    std::optional<Dictionary> result;
    bool exited = false;
};

bool runUntil(const std::function<bool()>& done)
{
    return platform::RunLoop::main().advanceUntil(done, 10);
}

std::shared_ptr<VTTransaction> composeTransaction(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Rental agreement");
    transaction->setDesc("Flat 4, second floor");
    transaction->setEmailMessage("Please review and sign.");
    transaction->addDocument(VTDocument::initWithNameAndPath("Agreement.pdf", host::writeLetterPdf(folder / "agreement.pdf", "Rental agreement")));
    transaction->addDocument(VTDocument::initWithNameAndPath("Agreement.pdf", host::writeLetterPdf(folder / "inventory.pdf", "Inventory")));
    auto tenant = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("Tia", "Tenant", "tia@example.com",
                                                                             std::nullopt, std::nullopt, "signer0");
    tenant->setAuthenticationSMStoCellphone("+1 202 555 0143");
    auto landlord = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("Ben", "Landlord", "ben@example.com",
                                                                               "Homes Ltd", "Owner", "signer1");
    landlord->setAuthenticationEmail();
    transaction->addSigner(tenant);
    transaction->addSigner(landlord);
    return transaction;
}

// The draft as it opened on the hub: a signature for the first signer and a text field
// belonging to it, placed as a tap on their palette items places them, drawn to a PNG
// upright and turned on its side.
void placeFieldsOnHub(const std::shared_ptr<platform::ui::Window>& window, const std::filesystem::path& folder)
{
    // The designer's panel settles in its icon column a moment after the hub is up.
    host::pause(ZKMainViewController::transitionDuration + 0.8);
    const auto hub = ZKCTouchManager::sharedInstance()->mainVController();
    if (!hub) {
        std::cout << "No hub is shown.\n";
        return;
    }
    const auto viewer = hub->pdfViewController();
    const auto signature = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", "Signature", "SIGNATURE",
                                                                                        std::nullopt);
    signature->setIsPrimaryFieldType(true);
    const auto textField =
        ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("z", "Text Field", "TextBox", std::nullopt);
    viewer->userDidTapOnFormFieldViewToConvertLocationFrom(signature, viewer->view());
    viewer->userDidTapOnFormFieldViewToConvertLocationFrom(textField, viewer->view());
    window->layoutIfNeeded();
    const auto path = folder / "hub-draft.png";
    host::writeWindowPng(*window, path);
    host::drawLandscape(*window, folder, "hub-draft");
    std::cout << "The draft on the hub, for " << (hub->currentSigner() ? hub->currentSigner()->nameDisplay() : "nobody")
              << ", with " << viewer->elementViews().size() << " fields placed: " << path.string() << "\n";

    // A tap on the text field puts it into a position edit: handles and its menu.
    const auto fields = viewer->elementViews();
    if (fields.size() == 2) {
        platform::ui::TouchInjector(window).tap(*fields.back());
        const auto editPath = folder / "hub-field-edit.png";
        host::writeWindowPng(*window, editPath);
        host::drawLandscape(*window, folder, "hub-field-edit");
        std::cout << "The text field in a position edit: " << editPath.string() << "\n";
    }
}

// The same draft's hub drawn on a device of the profile, then the screen a phone held
// upright again.
void showHubOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder, HostDelegate& delegate)
{
    const auto stage = host::DemoStage::open(profile);
    delegate.exited = false;
    composeTransaction(folder)->startEditingWithCallback([](const Dictionary&) {});
    placeFieldsOnHub(stage.window, folder);
    Veltra::dashboard()->exitSDK();
    runUntil([&delegate] { return delegate.exited; });
    host::DemoStage::open(platform::ui::DeviceProfile::phone);
}

// The transaction built, started as a local draft and its hub drawn with two fields placed,
// on the stage's phone.
std::shared_ptr<VTTransaction> startOnPhone(const host::DemoStage& stage, const std::filesystem::path& folder,
                                            HostDelegate& delegate)
{
    const auto transaction = composeTransaction(folder);
    std::cout << "Documents: " << transaction->documents()[0]->name() << ", " << transaction->documents()[1]->name()
              << "\nSigners in order: " << transaction->signers()[0]->email() << ", "
              << transaction->signers()[1]->email() << " (the sender's own recipient goes first)\n";

    std::optional<Dictionary> started;
    transaction->startEditingWithCallback([&started](const Dictionary& result) { started = result; });
    std::cout << "Started as a local draft: " << started->dump(2) << "\n"
              << "Current transaction: " << ZKTransactionManager::sharedInstance()->interfaceDictionary().dump(2) << "\n";
    placeFieldsOnHub(stage.window, folder);
    Veltra::dashboard()->exitSDK();
    runUntil([&delegate] { return delegate.exited; });
    return transaction;
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    host::addSenderAccount(service);
    if (!host::startService(service)) {
        return;
    }
    const auto stage = host::DemoStage::open();
    auto delegate = std::make_shared<HostDelegate>();

    Veltra::dashboard()->setDelegate(delegate);
    const auto login = host::signInSender(service);
    std::cout << "Sign-in: " << (login ? login->dump() : "no answer") << "\n";

    const auto folder = context.outputDirectory / "sdk";
    std::filesystem::create_directories(folder);
    const bool onPhone = host::walksOn(context, platform::ui::DeviceProfile::phone);
    const auto transaction = onPhone ? startOnPhone(stage, folder, *delegate) : nullptr;
    for (const auto profile : context.devices) {
        if (profile != platform::ui::DeviceProfile::phone) {
            showHubOn(profile, host::deviceFolder(folder, profile), *delegate);
        }
    }
    if (!transaction) {
        service.stop();
        return;
    }
    VTTransactionSyncQueue::sharedInstance()->addTransaction(transaction->guid());
    runUntil([&delegate] { return delegate->result.has_value(); });
    std::cout << "Synchronised: " << (delegate->result ? delegate->result->dump() : "no answer") << "\n"
              << "Packages created on the service: " << service.requestsTo("POST", "/api/packages").size() << "\n";
    service.stop();
}

host::DemoRegistration registration(60, "Public interface: sign in, build and start a transaction", run,
                                    host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(60, "Public interface", host::sayBuiltWithoutService);
} // namespace

#endif

// What the SDK's overlay and open-in preview look like on the host's screen, drawn to PNGs.
#include "graphics/DrawingContext.h"
#include "graphics/PdfWriter.h"
#include "sdk/screens/VLTOpenInPreviewController.h"
#include "sdk/screens/VTAlertView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <fstream>

namespace {

void showOverlayAndPreviewOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    platform::ui::Screen::main().setDeviceProfile(profile);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
    auto root = std::make_shared<platform::ui::ViewController>();
    root->view()->setBackgroundColor(platform::graphics::Color::white());
    auto window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();

    const auto alerts = VTAlertView::sharedInstance();
    alerts->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        "Error", "2 contact(s) were not added.\nMissing information or existing contact", "OK",
        [] { std::cout << "The error alert was closed with its button.\n"; });
    host::writeWindowPng(*window, folder / "error-alert.png");
    host::drawLandscape(*window, folder, "error-alert");
    std::cout << "Error alert: " << (folder / "error-alert.png").string() << "\n";
    platform::ui::TouchInjector().tap(*alerts->errorAlertView()->button());

    const auto preview = VLTOpenInPreviewController::openInVC();
    preview->setPdfPath(host::writeLetterPdf(folder / "lease.pdf", "Lease agreement"));
    preview->setContext("Add Document");
    root->present(preview, false);
    host::writeWindowPng(*window, folder / "open-in-preview.png");
    host::drawLandscape(*window, folder, "open-in-preview");
    std::cout << "Open-in preview of " << VLTOpenInPreviewController::fileNameOf(preview->pdfPath()) << ": "
              << (folder / "open-in-preview.png").string() << "\n";
    root->dismiss(false);
}

void showOverlayAndPreview(const host::DemoContext& context)
{
    host::walkOnEachDevice(context, context.outputDirectory / "sdk", showOverlayAndPreviewOn);
}

host::DemoRegistration overlayRegistration(61, "Public interface: alert overlay and open-in preview",
                                           showOverlayAndPreview, host::WalksDevices{});

} // namespace
