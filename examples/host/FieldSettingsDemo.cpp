// The field settings screens as a sender walks them on a started draft: a signature and
// one field of each kind with a settings screen of its own placed on the page, then the
// settings of the text field, text area, list, check box and label opened from each
// field's menu, filled in and saved (the text field first refusing a default value
// longer than its maximum length). Each screen and the page after the saves are drawn.
#include "DemoPdf.h"
#include "DemoRegistry.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "ceremony/screens/ZKPDFViewController.h"
#include "designer/ZKPrepareFormField.h"
#include "designer/screens/ZKCheckBoxSettingsVC.h"
#include "designer/screens/ZKLabelSettingsVC.h"
#include "designer/screens/ZKListViewSettingsVC.h"
#include "designer/screens/ZKTextAreaSettingsVC.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
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

class Walk {
public:
    Walk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window)
        : folder_(std::move(folder)), window_(std::move(window)), fingers_(window_)
    {
    }

    std::shared_ptr<ZKMainViewController> hub() const { return ZKCTouchManager::sharedInstance()->mainVController(); }

    void draw(const std::string& name) const
    {
        TouchInjector::wait(0.6);
        window_->layoutIfNeeded();
        const auto path = folder_ / (name + ".png");
        std::cout << "  " << (window_->writePng(path) ? "drawn: " : "could not draw: ") << path.filename().string()
                  << "\n";
    }

    // A tap on the palette item of the type, as the designer's panel passes it on.
    std::shared_ptr<ZKElementView> place(const std::string& type, const std::string& description) const
    {
        const auto viewer = hub()->pdfViewController();
        auto item = ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill("4", description, type, std::nullopt);
        item->setIsPrimaryFieldType(type == "SIGNATURE");
        viewer->userDidTapOnFormFieldViewToConvertLocationFrom(item, viewer->view());
        window_->layoutIfNeeded();
        return viewer->elementViews().back();
    }

    // The field tapped on the page, then the settings button of its menu.
    template <class Screen>
    std::shared_ptr<Screen> openSettings(const ZKElementView& field)
    {
        tap(field);
        tap(*field.contextMenu()->settingsBtn());
        TouchInjector::wait(0.6);
        return std::dynamic_pointer_cast<Screen>(hub()->presentedViewController());
    }

    void tap(const platform::ui::View& view)
    {
        window_->layoutIfNeeded();
        fingers_.tap(view);
    }

    void type(const platform::ui::View& input, const std::string& text)
    {
        tap(input);
        fingers_.deleteBackward(200);
        fingers_.typeText(text);
    }

    // Closes the keyboard with a tap on the screen's title, then saves; a screen that
    // closes is gone once its animation ends.
    void save(ZKFieldSettingsFormViewController& screen)
    {
        tap(*screen.topBar()->titleLabel());
        tap(*screen.topBar()->saveButton());
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
    transaction.setName("Flat lease");
    transaction.addDocument(
        VTDocument::initWithNameAndPath("Lease", host::writeLetterPdf(folder / "lease.pdf", "Lease agreement")));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, std::nullopt));
    transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ben", "Landlord", "ben@example.com", std::nullopt, std::nullopt, std::nullopt));
    std::string guid;
    transaction.startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
    TouchInjector::wait(0.6);
    std::cout << "Started the draft " << guid << "\n";
    return !guid.empty();
}

void textFieldSettings(Walk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKTextFieldSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Unit");
    walk.type(*screen->defaultValueTextField, "Flat 4B, second floor");
    walk.type(*screen->maxLengthTextField, "8");
    walk.tap(*screen->isRequiredSwitch);
    walk.save(*screen);
    walk.draw("1-text-field-too-long");
    walk.type(*screen->maxLengthTextField, "24");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("2-text-field-corrected-before-save");
    walk.save(*screen);
    std::cout << "Text field saved: \"" << field.element()->content() << "\", at most "
              << field.element()->validation()->maxLength().value_or(0) << " characters\n";
}

void textAreaSettings(Walk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKTextAreaSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Notes");
    walk.type(*screen->defaultValueTextView, "No pets.\nNo smoking.");
    walk.type(*screen->maxLengthTextField, "200");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("3-text-area-settings");
    walk.save(*screen);
}

void listSettings(Walk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKListViewSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.draw("4-list-settings-empty");
    walk.type(*screen->nameTextField, "Parking");
    walk.type(*screen->listTextView, "None\n  Street permit \n\nGarage\n");
    walk.type(*screen->defaultValueTextField, " Garage");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("5-list-settings");
    walk.save(*screen);
    std::cout << "List saved with " << field.element()->validation()->enumeration().size() << " items, default \""
              << field.element()->content() << "\"\n";
}

void checkBoxSettings(Walk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKCheckBoxSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Pets allowed");
    walk.tap(*screen->defaultValueSwitch);
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("6-check-box-settings");
    walk.save(*screen);
}

void labelSettings(Walk& walk, const ZKElementView& field)
{
    const auto screen = walk.openSettings<ZKLabelSettingsVC>(field);
    if (!screen) {
        return;
    }
    walk.type(*screen->nameTextField, "Heading");
    walk.type(*screen->valueTextField, "  Monthly rent: 950  ");
    walk.tap(*screen->topBar()->titleLabel());
    walk.draw("7-label-settings");
    walk.save(*screen);
    std::cout << "Label saved trimmed: \"" << field.element()->content() << "\"\n";
}

void run(const host::DemoContext& context)
{
    const auto folder = context.outputDirectory / "fieldsettings";
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
    Walk walk(folder, window);
    walk.place("SIGNATURE", "Signature");
    const auto textField = walk.place("TextBox", "Text Field");
    const auto textArea = walk.place("TextArea", "Text Area");
    const auto list = walk.place("List", "List");
    const auto checkBox = walk.place("CheckBox", "Check Box");
    const auto label = walk.place("label", "Label");
    walk.draw("0-page-with-new-fields");

    textFieldSettings(walk, *textField);
    textAreaSettings(walk, *textArea);
    listSettings(walk, *list);
    checkBoxSettings(walk, *checkBox);
    labelSettings(walk, *label);
    walk.draw("8-page-after-saves");
    Veltra::dashboard()->exitSDK();
    TouchInjector::wait(0.6);
}

host::DemoRegistration registration(65, "Designer: the field settings screens", run);

} // namespace
