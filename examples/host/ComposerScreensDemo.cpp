// The composer's main page as a person walks it: opened through each of the facade's
// three composer calls, named (drawn with the keyboard up), its title toggled, a document
// added through the host's source menu, rotated, then left by Next (the draft opens on the
// hub) and, on a second run, by Close. Every step is drawn upright and turned on a phone,
// then again on a tablet (in tablet/) and on a phone with a notch (in notch/), with the
// turn made while the keyboard or the menu is up; the tablet's walk also types the message
// to all recipients on the page.
#include "DemoRegistry.h"
#include "DemoWalk.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DeviceWalks.h"
#include "EventTimings.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "ceremony/screens/ZKCTouchManager.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionEmailMessageCell.h"
#include "composer/screens/CreateTransactionTransactionNameCell.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "graphics/DrawingContext.h"
#include "graphics/ImageContext.h"
#include "graphics/PdfWriter.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/facade/Veltra.h"
#include "ui/AlertController.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <fstream>

namespace {

using Page = CreateTransactionAddDocsAndSignersPage;
using platform::ui::DeviceProfile;
using platform::ui::InterfaceOrientation;
using platform::ui::Screen;
using platform::ui::TouchInjector;

std::string writePdf(const std::filesystem::path& path, const std::string& heading)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    platform::graphics::DrawingContext drawing(writer.context());
    platform::graphics::TextStyle style;
    style.font = platform::graphics::Font::boldSystemFont(32);
    drawing.drawText(heading, platform::graphics::makeRect(50, 80, 512, 60), style);
    const auto bytes = writer.finish();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes->data()), static_cast<std::streamsize>(bytes->size()));
    return path.string();
}

class PrintingHost : public VeltraDelegate, public VeltraCreateTransactionDelegate {
public:
    explicit PrintingHost(std::filesystem::path folder) : folder_(std::move(folder)) {}

    void didExitSDK(const Dictionary& info) override
    {
        std::cout << "Host heard didExitSDK: " << info.value("name", "") << " (" << info.value("status", "") << ")\n";
    }
    void didSynchronizeTransaction(const Dictionary&) override {}
    void synchronizingFailedForTransaction(const Dictionary&) override {}
    bool respondsToDidCreateLocalDraftWithDetails() const override { return true; }
    void didCreateLocalDraftWithDetails(const Dictionary& details) override
    {
        lastGuid = details.value("guid", "");
        std::cout << "Host heard didCreateLocalDraftWithDetails: \"" << details.value("title", "") << "\" "
                  << lastGuid << "\n";
    }
    bool respondsToOnAddDocumentAndCallback() const override { return true; }
    // The host offers where the document comes from; the walk picks the floor plan.
    void onAddDocumentAndCallback(const std::shared_ptr<platform::ui::ViewController>& page,
                                  const AddDocumentCallback& callback) override
    {
        std::cout << "Host was asked for a document and offers its sources\n";
        auto menu = std::make_shared<platform::ui::AlertController>(std::string("Add a document"), std::nullopt,
                                                                    platform::ui::AlertStyle::actionSheet);
        menu->addAction({floorPlan, platform::ui::AlertActionStyle::defaultStyle, [this, callback] {
                             std::cout << "Host hands over \"Floor plan\"\n";
                             callback(writePdf(folder_ / "floor-plan.pdf", "Floor plan"), std::string("Floor plan"));
                         }});
        menu->addAction({"Cancel", platform::ui::AlertActionStyle::cancel, nullptr});
        page->present(menu, true);
    }
    bool respondsToOnCloseButton() const override { return true; }
    void onCloseButton(const std::shared_ptr<platform::ui::ViewController>&) override
    {
        std::cout << "Host heard onCloseButton\n";
    }

    static constexpr const char* floorPlan = "Floor plan";
    std::string lastGuid;

private:
    std::filesystem::path folder_;
};

class Walk {
public:
    Walk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window,
         std::shared_ptr<platform::ui::NavigationController> navigation, host::Turns turns = host::Turns::upright)
        : folder_(std::move(folder)), window_(std::move(window)), navigation_(std::move(navigation)), turns_(turns)
    {
    }

    std::shared_ptr<Page> page() const { return std::dynamic_pointer_cast<Page>(navigation_->topViewController()); }

    // Drawn upright, and turned when the walk turns.
    void draw(const std::string& name) const
    {
        drawUpright(name);
        if (turns_ == host::Turns::uprightAndLandscape) {
            host::drawLandscape(*window_, folder_, name);
        }
    }
    void drawUpright(const std::string& name) const
    {
        host::pause(0.6);
        host::drawWindow(*window_, folder_, name);
    }

    // Types the name and leaves the keyboard up.
    void startTypingName(const std::string& name) const
    {
        const auto cell = std::dynamic_pointer_cast<CreateTransactionTransactionNameCell>(
            page()->tableView.lock()->cellForRow({0, 0}));
        TouchInjector fingers(window_);
        fingers.tap(*cell->transactionNameTextField.lock());
        fingers.typeText(name);
    }
    // On a tablet, types the message to all recipients and leaves the keyboard up.
    void startTypingMessage(const std::string& message) const
    {
        const auto cell = std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(
            page()->tableView.lock()->cellForRow({0, CreateTransactionPageRowHeights::messageToAll}));
        if (!cell) {
            return;
        }
        TouchInjector fingers(window_);
        fingers.tap(*cell->emailTextView.lock());
        fingers.typeText(message);
    }
    // A tap on the page beside the message box, which closes the keyboard.
    void tapBesideMessage() const
    {
        const auto cell = page()->tableView.lock()->cellForRow({0, CreateTransactionPageRowHeights::messageToAll});
        if (const auto box = cell ? std::dynamic_pointer_cast<CreateTransactionEmailMessageCell>(cell)->emailTextView.lock()
                                  : nullptr) {
            const auto frame = box->convertRectTo(box->bounds(), nullptr);
            TouchInjector(window_).tap({frame.midX(), frame.maxY() + 20});
        }
    }
    void typeName(const std::string& name) const
    {
        startTypingName(name);
        TouchInjector(window_).pressReturn();
    }
    void pressReturn() const { TouchInjector(window_).pressReturn(); }

    // Picks a choice of the menu the page presents.
    void choose(const std::string& choice) const
    {
        if (const auto menu = std::dynamic_pointer_cast<platform::ui::AlertController>(page()->presentedViewController())) {
            tap(*menu->buttonForAction(choice));
            host::pause(0.6);
        }
    }

    void tap(const platform::ui::View& view) const { TouchInjector(window_).tap(view); }
    // The bar's Next on a phone, the round one on a tablet.
    void tapNext() const
    {
        const auto shown = Screen::main().traitCollection().isRegularByRegular() ? page()->iPadNextButton
                                                                                 : page()->nextButton;
        tap(*shown.lock());
    }

    void rotate(InterfaceOrientation orientation) const
    {
        Screen::main().setOrientation(orientation);
        window_->layoutIfNeeded();
    }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    std::shared_ptr<platform::ui::NavigationController> navigation_;
    host::Turns turns_;
};

std::shared_ptr<VTTransaction> hostTransaction(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->addDocument(VTDocument::initWithNameAndPath("Lease", writePdf(folder / "lease.pdf", "Lease")));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", "Flat 4B", "Tenant", std::nullopt));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ben", "Landlord", "ben@example.com", "Homes Ltd", "Owner", std::nullopt));
    return transaction;
}

// A host-built transaction without a name, named, toggled, a document added, rotated,
// and started by Next.
void walkToNext(const std::filesystem::path& folder, DeviceProfile profile)
{
    const auto stage = host::DemoStage::open(profile);
    const Walk walk(folder, stage.window, stage.navigation, host::Turns::uprightAndLandscape);
    std::cout << "createAndStartEditWithTransaction: "
              << Veltra::dashboard()->createAndStartEditWithTransaction(hostTransaction(folder), true, true, true)
              << "\n";
    walk.draw("composer-phone-1-unnamed");
    walk.startTypingName("Lease renewal 2025");
    walk.draw("composer-phone-1b-keyboard-up");
    walk.pressReturn();
    walk.draw("composer-phone-2-named");
    walk.tap(*walk.page()->transactionNameButton.lock());
    walk.draw("composer-phone-3-title-reopened");
    walk.tap(*walk.page()->transactionNameButton.lock());
    walk.tap(*walk.page()->tableView.lock()->cellForRow({0, 1}));
    walk.draw("composer-phone-3b-source-menu");
    walk.choose(PrintingHost::floorPlan);
    walk.draw("composer-phone-4-document-added");
    if (Screen::main().traitCollection().isRegularByRegular()) {
        walk.startTypingMessage("Please sign by Friday. The keys are with the caretaker.");
        walk.draw("composer-phone-4b-message-keyboard-up");
        walk.tapBesideMessage();
    }
    walk.rotate(InterfaceOrientation::landscapeLeft);
    walk.drawUpright("composer-phone-5-landscape");
    walk.rotate(InterfaceOrientation::portrait);
    walk.tapNext();
    walk.draw("composer-phone-6-after-next");
    Veltra::dashboard()->exitSDK();
    host::pause(0.6);
}

// The stored draft edited by GUID, then left by Close.
void walkToClose(const std::filesystem::path& folder, DeviceProfile profile, const PrintingHost& host)
{
    const auto stage = host::DemoStage::open(profile);
    const Walk walk(folder, stage.window, stage.navigation, host::Turns::uprightAndLandscape);
    std::cout << "startEditingTransactionWithGuid " << host.lastGuid << ": "
              << Veltra::dashboard()->startEditingTransactionWithGuid(host.lastGuid, false, false, false) << "\n";
    walk.draw("composer-phone-7-stored-draft");
    walk.tap(*walk.page()->closeButton.lock());
    walk.drawUpright("composer-phone-8-after-close");
}

// Tablet: two host documents, named, in both orientations, then closed.
void walkOnTablet(const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(DeviceProfile::tablet);
    const Walk walk(folder, stage.window, stage.navigation);
    const std::vector<std::shared_ptr<VTDocument>> documents{
        VTDocument::initWithNameAndPath("Offer", writePdf(folder / "offer.pdf", "Offer")),
        VTDocument::initWithNameAndPath("Offer", writePdf(folder / "offer-annex.pdf", "Annex"))};
    std::cout << "createAndStartEditTransactionWithDocuments: "
              << Veltra::dashboard()->createAndStartEditTransactionWithDocuments(documents, true, true, true) << "\n";
    walk.draw("composer-tablet-1-unnamed");
    walk.typeName("Job offer");
    walk.draw("composer-tablet-2-named");
    walk.rotate(InterfaceOrientation::landscapeRight);
    walk.draw("composer-tablet-3-landscape");
    walk.tap(*walk.page()->closeButton.lock());
    host::pause(0.6);
    Screen::main().setDeviceProfile(DeviceProfile::phone);
    Screen::main().setOrientation(InterfaceOrientation::portrait);
}

// The icon font's pictures, each under the character that names it.
void drawIconSheet(const std::filesystem::path& folder)
{
    host::EventTimings::shared().closeEvent();
    const std::string glyphs = "xyYCvp5>4/67zRQ8t!U?";
    platform::graphics::ImageContext sheet({10 * 60.0, 2 * 80.0}, 2, true);
    platform::graphics::TextStyle icon;
    icon.font = platform::graphics::Font("ios-vlt", 36);
    icon.alignment = platform::graphics::TextAlignment::center;
    platform::graphics::TextStyle caption;
    caption.font = platform::graphics::Font::systemFont(14);
    caption.alignment = platform::graphics::TextAlignment::center;
    for (std::size_t index = 0; index < glyphs.size(); ++index) {
        const double x = 60.0 * static_cast<double>(index % 10);
        const double y = 80.0 * static_cast<double>(index / 10);
        const std::string glyph(1, glyphs[index]);
        sheet.context().drawText(glyph, platform::graphics::makeRect(x, y + 4, 60, 48), icon);
        sheet.context().drawText("\"" + glyph + "\"", platform::graphics::makeRect(x, y + 54, 60, 20), caption);
    }
    const auto path = folder / "icon-font.png";
    std::cout << "  " << (sheet.image()->writePng(path) ? "drawn: " : "could not draw: ") << path.filename().string()
              << "\n";
    host::EventTimings::shared().skip();
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    host::addSenderAccount(service);
    if (!host::startService(service)) {
        return;
    }
    const auto folder = context.outputDirectory / "composer";
    std::filesystem::create_directories(folder);
    const auto host = std::make_shared<PrintingHost>(folder);
    const auto facade = Veltra::dashboard();
    facade->setDelegate(host);
    facade->setCreateTransactionDelegate(host);
    host::signInSender(service);

    if (host::walksOn(context, DeviceProfile::phone)) {
        drawIconSheet(folder);
    }
    host::walkOnEachDevice(context, folder, [&host](DeviceProfile profile, const std::filesystem::path& deviceFolder) {
        walkToNext(deviceFolder, profile);
        walkToClose(deviceFolder, profile, *host);
    });
    if (host::walksOn(context, DeviceProfile::tablet)) {
        walkOnTablet(folder);
    }
    service.stop();
}

host::DemoRegistration registration(80, "Composer: the create/edit transaction page", run, host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(80, "Composer: the create/edit transaction page", host::sayBuiltWithoutService);
} // namespace

#endif
