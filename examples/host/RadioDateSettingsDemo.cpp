// The radio button and date field settings as a sender walks them on a started draft:
// two radio buttons and a date field placed after a signature; the first button put into
// a new group "Parking" typed on the group list, the second picked into it on the list
// and saved as the default; then the date field given a name and a pattern. Each screen
// and the page after the saves are drawn.
#include "DemoPdf.h"
#include "DemoRegistry.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKDateInputSettingsViewController.h"
#include "designer/screens/ZKRadioButtonSettingsVC.h"
#include "designer/screens/ZKRadioGroupSettingsVC.h"
#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementView.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using platform::ui::TouchInjector;

// A sender's hands on the hub of a started draft, and the pictures of what they see.
class RadioDateWalk {
public:
    RadioDateWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window)
        : folder_(std::move(folder)), window_(std::move(window)), fingers_(window_)
    {
    }

    void draw(const std::string& name) const
    {
        TouchInjector::wait(0.6);
        window_->layoutIfNeeded();
        const auto path = folder_ / (name + ".png");
        std::cout << "  " << (window_->writePng(path) ? "drawn: " : "could not draw: ") << path.filename().string()
                  << "\n";
    }

    std::shared_ptr<ZKElementView> place(const std::string& type) const
    {
        const auto viewer = ZKCTouchManager::sharedInstance()->mainVController()->pdfViewController();
        auto item = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", type, type, std::nullopt);
        item->setIsPrimaryFieldType(type == "SIGNATURE");
        viewer->userDidTapOnFormFieldViewToConvertLocationFrom(item, viewer->view());
        window_->layoutIfNeeded();
        return viewer->elementViews().back();
    }

    // The screen on top: the hub's presented one, or the top of its navigation controller.
    template <class Screen>
    std::shared_ptr<Screen> shown() const
    {
        auto top = ZKCTouchManager::sharedInstance()->mainVController()->presentedViewController();
        if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(top)) {
            top = navigation->topViewController();
        }
        return std::dynamic_pointer_cast<Screen>(top);
    }

    template <class Screen>
    std::shared_ptr<Screen> openSettings(const ZKElementView& field)
    {
        tap(field);
        tap(*field.contextMenu()->settingsBtn());
        TouchInjector::wait(0.6);
        return shown<Screen>();
    }

    void tap(const platform::ui::View& view)
    {
        window_->layoutIfNeeded();
        fingers_.tap(view);
        TouchInjector::wait(0.1);
    }

    void type(const platform::ui::View& input, const std::string& text)
    {
        tap(input);
        fingers_.deleteBackward(200);
        fingers_.typeText(text);
    }

    // Saves, the keyboard closed first by a tap on the title; the screen is gone once its
    // animation ends.
    void save(const ZKFieldSettingsTopBar& bar)
    {
        tap(*bar.titleLabel());
        tap(*bar.saveButton());
        TouchInjector::wait(0.6);
    }

    void pressReturn()
    {
        fingers_.pressReturn();
        TouchInjector::wait(0.6);
    }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    TouchInjector fingers_;
};

bool startDraft(const std::filesystem::path& folder)
{
    VTTransaction transaction;
    transaction.setName("Parking permit");
    transaction.addDocument(
        VTDocument::initWithNameAndPath("Permit", host::writeLetterPdf(folder / "permit.pdf", "Parking permit")));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, std::nullopt));
    std::string guid;
    transaction.startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
    TouchInjector::wait(0.6);
    std::cout << "Started the draft " << guid << "\n";
    return !guid.empty();
}

void firstRadio(RadioDateWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKRadioButtonSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Garage");
    walk.draw("1-radio-settings-new");
    walk.tap(*screen->arrowRightButton);
    const auto list = walk.shown<ZKRadioGroupSettingsVC>();
    if (!list) {
        return;
    }
    walk.type(*list->radioGroupTextField.lock(), "Parking");
    walk.draw("2-radio-groups-typing");
    walk.pressReturn();
    walk.draw("3-radio-settings-in-new-group");
    walk.save(*screen->topBar());
}

void secondRadio(RadioDateWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKRadioButtonSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Street");
    walk.tap(*screen->arrowRightButton);
    const auto list = walk.shown<ZKRadioGroupSettingsVC>();
    if (!list) {
        return;
    }
    walk.draw("4-radio-groups-list");
    walk.tap(*list->tableView.lock()->cellForRow({0, 1}));
    walk.tap(*screen->defaultValueSwitch);
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("5-radio-settings-default-on");
    walk.save(*screen->topBar());
    std::cout << "Radio \"" << field.element()->name() << "\" saved in group \""
              << field.element()->validation()->groupName().value_or("") << "\", checked \""
              << field.element()->content() << "\"\n";
}

void dateField(RadioDateWalk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKDateInputSettingsViewController>(field);
    if (!screen) {
        return;
    }
    walk.draw("6-date-settings-new");
    walk.type(*screen->fieldName, "Start date");
    walk.tap(*screen->formatListTableView->cellForRow({0, 3}));
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("7-date-settings-pattern-picked");
    walk.save(*screen->topBar());
    std::cout << "Date field saved with the pattern \"" << field.element()->validation()->pattern().value_or("")
              << "\"\n";
}

void run(const host::DemoContext& context)
{
    const auto folder = context.outputDirectory / "radiodate";
    std::filesystem::create_directories(folder);
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    auto root = std::make_shared<platform::ui::ViewController>();
    auto window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(std::make_shared<platform::ui::NavigationController>(root));
    window->makeKeyAndVisible();
    Veltra::dashboard()->setRootViewController(root);
    if (!startDraft(folder)) {
        std::cout << "The draft could not start.\n";
        return;
    }
    RadioDateWalk walk(folder, window);
    walk.place("SIGNATURE");
    const auto garage = walk.place("Radio");
    const auto street = walk.place("Radio");
    const auto date = walk.place("dateEntryField");
    walk.draw("0-page-with-new-fields");
    firstRadio(walk, *garage);
    secondRadio(walk, *street);
    dateField(walk, *date);
    walk.draw("8-page-after-saves");
    Veltra::dashboard()->exitSDK();
    TouchInjector::wait(0.6);
}

host::DemoRegistration registration(66, "Designer: the radio button and date field settings", run);

} // namespace
