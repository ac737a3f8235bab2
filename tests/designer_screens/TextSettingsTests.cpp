#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/ZKMaxLengthEntry.h"
#include "designer/screens/ZKTextAreaSettingsVC.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
#include "fields/ZKTextArea.h"
#include "fields/ZKTextField.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "sdk/screens/VTAlertView.h"
#include "sdk/screens/VTErrorAlertView.h"
#include "store/SqliteDatabase.h"
#include "store/ZKCoreDataManager.h"
#include "support/SafeAreaCheck.h"
#include "ui/Screen.h"

#include <gmock/gmock.h>

using designer_screens_testing::FieldSettingsTest;

namespace {

// The message as the sender reads it: its key is misspelt, its text is not.
constexpr const char* tooLongText = "The 'Default Value' should not be longer than the 'Max Length' field value.";

class TextSettingsTest : public FieldSettingsTest {
protected:
    static std::string message(ZKFieldSettingsFormViewController& screen)
    {
        const auto label = screen.errorLabel.lock();
        return label->isHidden() ? std::string() : label->text().value_or("");
    }

    // Saves the text field with the max length and default value typed; answers the
    // message shown, empty when the screen closed.
    std::string saveTextField(const std::shared_ptr<ZKElement>& element, const std::string& maxLength,
                              const std::string& defaultValue)
    {
        const auto screen = open<ZKTextFieldSettingsVC>(element);
        EXPECT_NE(screen, nullptr);
        retype(*screen->maxLengthTextField, maxLength);
        retype(*screen->defaultValueTextField, defaultValue);
        save(*screen);
        const auto shown = message(*screen);
        if (!shown.empty()) {
            cancel(*screen);
        }
        return shown;
    }

    // The default value the text field on the page shows.
    std::string onPage(const std::shared_ptr<ZKElement>& element) const
    {
        return std::dynamic_pointer_cast<ZKTextField>(viewOf(element))->textFieldView()->signingModeTextField()->text();
    }
};

// Another writer makes the store refuse every change of a stored element, or allows it again.
void refuseChangingElements(bool refuse)
{
    auto status = SqliteDatabase::OpenStatus::cannotOpen;
    std::string message;
    const auto database = SqliteDatabase::open(ZKCoreDataManager::defaultStorePath(), status, message);
    ASSERT_TRUE(database) << message;
    ASSERT_TRUE(database->execute(refuse ? "CREATE TRIGGER refuse BEFORE UPDATE ON elements "
                                           "BEGIN SELECT RAISE(ABORT, 'elements are read-only'); END"
                                         : "DROP TRIGGER refuse"))
        << database->lastErrorMessage();
}

} // namespace

TEST_F(TextSettingsTest, ACustomFieldIsShownAndConfiguredAsATextField)
{
    const auto element = place("CUSTOMFIELD");
    ASSERT_NE(std::dynamic_pointer_cast<ZKTextField>(viewOf(element)), nullptr);
    EXPECT_EQ(saveTextField(element, "", "Unit 4"), "");
    EXPECT_EQ(stored(element)->content(), "Unit 4");
    EXPECT_EQ(onPage(element), "Unit 4");
}

TEST_F(TextSettingsTest, ASaveTheStoreRefusesStaysOpenWithTheReasonAndWritesNothing)
{
    const auto element = place("TextBox");
    const auto screen = open<ZKTextFieldSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    retype(*screen->nameTextField, "Unit");
    retype(*screen->defaultValueTextField, "Flat 4B");
    retype(*screen->maxLengthTextField, "12");
    refuseChangingElements(true);
    save(*screen);

    EXPECT_EQ(presented(), screen);
    const auto alert = VTAlertView::sharedInstance()->errorAlertView();
    ASSERT_NE(alert, nullptr);
    const auto reason = alert->messageLabel()->text().value_or("");
    EXPECT_EQ(reason.rfind("The field's settings were not saved.\n", 0), 0u) << reason;
    EXPECT_NE(reason.find("elements are read-only"), std::string::npos) << reason;
    EXPECT_EQ(element->name(), "");
    EXPECT_EQ(element->content(), "");
    EXPECT_EQ(element->validation()->maxLength(), std::nullopt);
    EXPECT_EQ(stored(element)->content(), "");
    EXPECT_EQ(onPage(element), "");

    tap(*alert->button());
    settle();
    refuseChangingElements(false);
    save(*screen);
    EXPECT_EQ(presented(), nullptr);
    EXPECT_EQ(stored(element)->name(), "Unit");
    EXPECT_EQ(stored(element)->content(), "Flat 4B");
    EXPECT_EQ(stored(element)->validation()->maxLength(), 12);
}

TEST_F(TextSettingsTest, AMaxLengthOfZeroReadsAsEmptyLeadingZerosAreDroppedAnEmptyEntryRemovesTheLimitAndNoCountIsRefused)
{
    const auto element = place("TextBox");
    EXPECT_EQ(saveTextField(element, "0", "a"), tooLongText);
    EXPECT_EQ(saveTextField(element, "0", ""), "");
    EXPECT_EQ(stored(element)->validation()->maxLength(), 0);
    EXPECT_EQ(open<ZKTextFieldSettingsVC>(element)->maxLengthTextField->text(), "");
    cancel(*shown<ZKTextFieldSettingsVC>());

    EXPECT_EQ(saveTextField(element, "007", "Flat 4B"), "");
    EXPECT_EQ(stored(element)->validation()->maxLength(), 7);
    EXPECT_EQ(open<ZKTextFieldSettingsVC>(element)->maxLengthTextField->text(), "7");
    cancel(*shown<ZKTextFieldSettingsVC>());
    EXPECT_EQ(saveTextField(element, "", "Flat 4B"), "");
    EXPECT_EQ(stored(element)->validation()->maxLength(), std::nullopt);

    // One that is no count gives a clear message and writes nothing.
    element->updateContent("");
    element->validation()->setMaxLength(12);
    element->saveUpdates();
    const std::vector<std::pair<std::string, std::string>> cases{
        {"-1", ZKMaxLengthEntry::notANumberMessage},
        {"1.5", ZKMaxLengthEntry::notANumberMessage},
        {"1 0", ZKMaxLengthEntry::notANumberMessage},
        {"\xd9\xa5", ZKMaxLengthEntry::otherDigitsMessage},     // Arabic-Indic five
        {"1\xef\xbc\x92", ZKMaxLengthEntry::otherDigitsMessage}, // 1 and a full-width two
        {"2147483648", ZKMaxLengthEntry::tooLargeMessage},
        {"99999999999999999999", ZKMaxLengthEntry::tooLargeMessage},
    };
    for (const auto& [typed, expected] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(saveTextField(element, typed, "Flat 4B"), expected);
        EXPECT_EQ(element->content(), "");
        EXPECT_EQ(stored(element)->validation()->maxLength(), 12);
    }
    EXPECT_EQ(saveTextField(element, "2147483647", "Flat 4B"), "");
    EXPECT_EQ(stored(element)->validation()->maxLength(), 2147483647);
}

TEST_F(TextSettingsTest, ADefaultValueAsLongAsTheLimitPassesAndOneMoreCharacterDoesNotAndThePageShowsIt)
{
    const auto element = place("TextArea");
    const auto area = std::dynamic_pointer_cast<ZKTextArea>(viewOf(element));
    const auto placeholderColor = area->textAreaDisplayView()->signingModeLabel()->textColor();
    const auto screen = open<ZKTextAreaSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    retype(*screen->maxLengthTextField, "6");
    // Counted in UTF-16 code units: the emoji takes two.
    retype(*screen->defaultValueTextView, "Lin\n\xf0\x9f\x98\x80!");
    save(*screen);
    EXPECT_EQ(message(*screen), tooLongText);
    EXPECT_EQ(element->content(), "");
    EXPECT_EQ(element->validation()->maxLength(), std::nullopt);

    retype(*screen->defaultValueTextView, "Lin\n\xf0\x9f\x98\x80");
    save(*screen);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    EXPECT_EQ(stored(element)->content(), "Lin\n\xf0\x9f\x98\x80");
    EXPECT_EQ(stored(element)->validation()->maxLength(), 6);
    const auto& label = area->textAreaDisplayView()->signingModeLabel();
    EXPECT_EQ(label->text(), "Lin\n\xf0\x9f\x98\x80");
    EXPECT_NE(label->textColor(), placeholderColor);
}

TEST_F(TextSettingsTest, AShownMessageGoesOnceAnEditMakesTheValuesPassAndComesBackOnlyWithSave)
{
    const auto element = place("TextBox");
    const auto screen = open<ZKTextFieldSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    retype(*screen->maxLengthTextField, "2");
    retype(*screen->defaultValueTextField, "Flat 4B");
    save(*screen);
    EXPECT_EQ(message(*screen), tooLongText);
    retype(*screen->defaultValueTextField, "4B");
    EXPECT_EQ(message(*screen), "");

    retype(*screen->maxLengthTextField, "1");
    EXPECT_EQ(message(*screen), "");
    save(*screen);
    EXPECT_EQ(message(*screen), tooLongText);
    retype(*screen->maxLengthTextField, "");
    EXPECT_EQ(message(*screen), "");
    cancel(*screen);
}

TEST_F(TextSettingsTest, AGeneratedNameIsKeptUnlessTheNameFieldWasEdited)
{
    const auto element = place("TextBox");
    element->setName(element->ident());
    element->saveUpdates();
    auto screen = open<ZKTextFieldSettingsVC>(element);
    EXPECT_EQ(screen->nameTextField->text(), "");
    save(*screen);
    EXPECT_EQ(stored(element)->name(), element->ident());

    // Editing began, nothing typed: the empty text is written.
    screen = open<ZKTextFieldSettingsVC>(element);
    tap(*screen->nameTextField);
    save(*screen);
    EXPECT_EQ(stored(element)->name(), "");

    screen = open<ZKTextFieldSettingsVC>(element);
    retype(*screen->nameTextField, "  Unit ");
    save(*screen);
    EXPECT_EQ(stored(element)->name(), "  Unit ");
}

TEST_F(TextSettingsTest, CancelLeavesEverythingAsItWasAndSaveWritesEveryValue)
{
    const auto element = place("TextBox");
    element->setName("Unit");
    element->validation()->setMaxLength(9);
    element->saveUpdates();
    const auto typeEverything = [this](ZKTextFieldSettingsVC& screen) {
        retype(*screen.nameTextField, "Other");
        retype(*screen.defaultValueTextField, "Flat 4B");
        retype(*screen.maxLengthTextField, "20");
        tap(*screen.isRequiredSwitch);
        tap(*screen.readOnlySwitch);
    };
    auto screen = open<ZKTextFieldSettingsVC>(element);
    typeEverything(*screen);
    cancel(*screen);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    for (const auto& current : {element, stored(element)}) {
        EXPECT_EQ(current->name(), "Unit");
        EXPECT_EQ(current->content(), "");
        EXPECT_FALSE(current->validation()->required());
        EXPECT_FALSE(current->readOnly());
        EXPECT_EQ(current->validation()->maxLength(), 9);
    }
    EXPECT_EQ(onPage(element), "");

    screen = open<ZKTextFieldSettingsVC>(element);
    typeEverything(*screen);
    save(*screen);
    const auto saved = stored(element);
    EXPECT_EQ(saved->name(), "Other");
    EXPECT_EQ(saved->content(), "Flat 4B");
    EXPECT_TRUE(saved->validation()->required());
    EXPECT_TRUE(saved->readOnly());
    EXPECT_EQ(saved->validation()->maxLength(), 20);
    EXPECT_EQ(onPage(element), "Flat 4B");

    screen = open<ZKTextFieldSettingsVC>(element);
    EXPECT_EQ(screen->defaultValueTextField->text(), "Flat 4B");
    EXPECT_TRUE(screen->isRequiredSwitch->isOn());
    EXPECT_TRUE(screen->readOnlySwitch->isOn());
    EXPECT_EQ(screen->maxLengthTextField->text(), "20");
}

TEST_F(TextSettingsTest, ReturnMovesThroughTheFieldsByTheirTagsAndTheClearButtonsEmptyTheDefaultValue)
{
    const auto box = place("TextBox");
    box->updateContent("Old");
    const auto field = open<ZKTextFieldSettingsVC>(box);
    tap(*field->clearButton);
    EXPECT_EQ(field->defaultValueTextField->text(), "");
    tap(*field->nameTextField);
    fingers->pressReturn();
    EXPECT_TRUE(field->defaultValueTextField->isFirstResponder());
    fingers->pressReturn();
    EXPECT_TRUE(field->maxLengthTextField->isFirstResponder());
    fingers->pressReturn();
    EXPECT_FALSE(field->maxLengthTextField->isFirstResponder());
    cancel(*field);

    const auto element = place("TextArea");
    element->updateContent("Old");
    const auto area = open<ZKTextAreaSettingsVC>(element);
    tap(*area->nameTextField);
    fingers->pressReturn();
    EXPECT_TRUE(area->defaultValueTextView->isFirstResponder());
    tap(*area->clearTextAreaButton);
    EXPECT_EQ(area->defaultValueTextView->text(), "");
    EXPECT_FALSE(area->defaultValueTextView->isFirstResponder());
    tap(*area->maxLengthTextField);
    fingers->pressReturn();
    EXPECT_FALSE(area->maxLengthTextField->isFirstResponder());
}

TEST_F(TextSettingsTest, BesideANotchOnItsSideTheBarTheFormAndItsMessageKeepWithinTheSafeArea)
{
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeRight);
    settle();
    const auto settings = open<ZKTextFieldSettingsVC>(place("TextBox"));
    ASSERT_NE(settings, nullptr);
    retype(*settings->maxLengthTextField, "2");
    retype(*settings->defaultValueTextField, "Flat 4B");
    save(*settings);
    ASSERT_EQ(message(*settings), tooLongText);
    EXPECT_THAT(testing_support::controlsOutsideSafeArea(*settings->view()), testing::IsEmpty());
}

TEST_F(TextSettingsTest, InLandscapeTheKeyboardScrollsTheDefaultTextIntoView)
{
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    const auto area = open<ZKTextAreaSettingsVC>(place("TextArea"));
    ASSERT_NE(area, nullptr);
    tap(*area->nameTextField);
    settle();
    EXPECT_EQ(area->scrollView.lock()->contentOffset().y, 0);
    fingers->pressReturn();
    settle();
    EXPECT_TRUE(area->defaultValueTextView->isFirstResponder());
    EXPECT_EQ(area->scrollView.lock()->contentOffset().y, ZKTextAreaSettingsVC::landscapeEditingOffset);
}
