// The designer's side panel on the hub of a started draft, as a sender uses it: the
// panel minimised to its icon column as the draft opens, maximised by its menu button,
// a signature and a text field tapped onto the page, the list of the other signers
// opened and another signer picked, then the panel swiped back and tucked away behind
// its tab. Each step is drawn to a PNG in <output>/designer/, upright and turned on its
// side, on a phone, (in tablet/) on a tablet and (in notch/) on a phone with a notch.
#include "DemoPdf.h"
#include "DemoRegistry.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/screens/ZKCurrentSignerTableViewCell.h"
#include "designer/screens/ZKPrepareFormFieldViewController.h"
#include "designer/screens/ZKSignatureFieldTableViewCell.h"
#include "designer/screens/ZKSignatureFieldsTableViewCell.h"
#include "designer/screens/ZKSignerTableViewCell.h"
#include "designer/screens/ZKSignersTableViewCell.h"
#include "model/ZKParticipant.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using Panel = ZKPrepareFormFieldViewController;

// Time for the panel's animations and delays to run their course.
constexpr double settleTime = 0.6;

std::shared_ptr<VTTransaction> composeDraft(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Consulting agreement");
    transaction->addDocument(VTDocument::initWithNameAndPath(
        "Agreement.pdf", host::writeLetterPdf(folder / "agreement.pdf", "Consulting agreement")));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Cara", "Client", "cara@example.com", std::nullopt, std::nullopt, "signer0"));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Colin", "Consultant", "colin@example.com", "Advice Ltd", "Partner", "signer1"));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Wendy", "Witness", "wendy@example.com", std::nullopt, std::nullopt, "signer2"));
    return transaction;
}

// Walks the panel of the hub on the window, drawing each step into the folder.
class Walk {
public:
    Walk(std::shared_ptr<platform::ui::Window> window, std::filesystem::path folder)
        : window_(std::move(window)), folder_(std::move(folder)), fingers_(window_)
    {
    }

    void run(Panel& panel)
    {
        draw("panel-minimised", panel, "as the draft opens, the icon column alone");
        fingers_.tap(*panel.rightSideMenuButton.lock());
        settle();
        draw("panel-maximised", panel, "opened by its menu button");

        tapPaletteItem(panel, 0);
        tapPaletteItem(panel, 5);
        draw("panel-fields-placed", panel, "a signature and a text field tapped onto the page");

        fingers_.tap(*currentSignerRow(panel));
        settle();
        draw("panel-signers-open", panel, "the other signers listed below the current one");
        fingers_.tap(*signerRow(panel, 0));
        settle();
        draw("panel-signer-switched", panel, "another signer picked: only the signature is offered");

        fingers_.swipe({200, 150}, platform::ui::SwipeDirection::left);
        settle();
        fingers_.swipe({30, 150}, platform::ui::SwipeDirection::left);
        settle();
        draw("panel-hidden", panel, "swiped back and tucked away behind its tab");
    }

private:
    static void settle() { host::pause(settleTime); }

    static std::shared_ptr<platform::ui::View> currentSignerRow(Panel& panel)
    {
        return panel.fieldsTableView()->cellForRow({0, 0});
    }

    static std::shared_ptr<platform::ui::View> signerRow(Panel& panel, int index)
    {
        const auto list = std::dynamic_pointer_cast<ZKSignersTableViewCell>(panel.fieldsTableView()->cellForRow({0, 1}));
        return list->signersTableView.lock()->cellForRow({0, index});
    }

    void tapPaletteItem(Panel& panel, int index)
    {
        const auto list =
            std::dynamic_pointer_cast<ZKSignatureFieldsTableViewCell>(panel.fieldsTableView()->cellForRow({0, 2}));
        fingers_.tap(*list->signatureFieldsTableView.lock()->cellForRow({0, index}));
        settle();
    }

    void draw(const std::string& name, Panel& panel, const std::string& caption)
    {
        window_->layoutIfNeeded();
        const auto path = folder_ / (name + ".png");
        host::writeWindowPng(*window_, path);
        const auto signer = panel.currentSigner1();
        std::cout << "The panel " << caption << " (" << sizeName(panel.tableSizeState()) << ", for "
                  << (signer ? signer->nameDisplay() : "nobody") << "): " << path.string() << "\n";
        host::drawLandscape(*window_, folder_, name);
    }

    static const char* sizeName(int state)
    {
        switch (state) {
        case Panel::maximized:
            return "maximised";
        case Panel::minimized:
            return "minimised";
        default:
            return "hidden";
        }
    }

    std::shared_ptr<platform::ui::Window> window_;
    std::filesystem::path folder_;
    platform::ui::TouchInjector fingers_;
};

void walkOn(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    platform::ui::Screen::main().setDeviceProfile(profile);
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
    auto root = std::make_shared<platform::ui::ViewController>();
    auto window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(root);
    window->makeKeyAndVisible();
    const auto facade = Veltra::dashboard();
    facade->setRootViewController(root);

    std::optional<Dictionary> started;
    composeDraft(folder)->startEditingWithCallback([&started](const Dictionary& result) { started = result; });
    std::cout << "Started as a local draft: " << (started ? started->value("status", "") : "no answer") << "\n";
    host::pause(ZKMainViewController::transitionDuration + settleTime);
    const auto hub = ZKCTouchManager::sharedInstance()->mainVController();
    const auto panel = hub ? std::dynamic_pointer_cast<Panel>(hub->formFieldVC()) : nullptr;
    if (!panel) {
        std::cout << "The hub shows no designer panel.\n";
        return;
    }
    Walk(window, folder).run(*panel);
    std::cout << "Fields placed on the page: " << hub->pdfViewController()->elementViews().size() << "\n";
    facade->exitSDK();
    host::pause(settleTime);
}

void run(const host::DemoContext& context)
{
    host::walkOnEachDevice(context, context.outputDirectory / "designer", walkOn);
}

host::DemoRegistration registration(65, "Designer: the side panel on a started draft", run, host::WalksDevices{});

} // namespace
