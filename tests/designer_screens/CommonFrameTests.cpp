#include "FieldSettingsTest.h"

#include "ceremony/screens/ZKMainViewController.h"
#include "designer/screens/ZKCheckBoxSettingsVC.h"
#include "designer/screens/ZKDateInputSettingsViewController.h"
#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKLabelSettingsVC.h"
#include "designer/screens/ZKListViewSettingsVC.h"
#include "designer/screens/ZKRadioButtonSettingsVC.h"
#include "designer/screens/ZKTextAreaSettingsVC.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
#include "fields/ZKElementView.h"
#include "fields/ZKTextField.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

using designer_screens_testing::FieldSettingsTest;

namespace {

class CommonFrameTest : public FieldSettingsTest {
protected:
    // Opens the settings of a new field of the type: the screen of the class comes up
    // with the field; Cancel brings the hub back.
    template <class Screen>
    void opensItsScreen(const std::string& type)
    {
        SCOPED_TRACE(type);
        const auto element = place(type);
        ASSERT_NE(element, nullptr);
        openSettingsOf(element);
        const auto screen = shown<Screen>();
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->elementView.lock(), viewOf(element));
        EXPECT_EQ(hub()->activeElementView(), viewOf(element));
        EXPECT_TRUE(screen->isVisible());
        cancel(*screen);
        EXPECT_EQ(hub()->presentedViewController(), nullptr);
        EXPECT_TRUE(hub()->isVisible());
    }

    // Where, across the window, the text of a boxed entry begins.
    static double textStartOf(const platform::ui::TextField& field)
    {
        return field.convertPointTo({0, 0}, nullptr).x + ZKFieldSettingsForm::textInset;
    }
    static double textStartOf(platform::ui::Label& label) { return label.convertPointTo({0, 0}, nullptr).x; }
    // The caption in the box of a switch row.
    static double captionStartOf(const platform::ui::Switch& control)
    {
        for (const auto& view : control.superview()->subviews()) {
            if (const auto caption = std::dynamic_pointer_cast<platform::ui::Label>(view)) {
                return textStartOf(*caption);
            }
        }
        return -1;
    }
};

} // namespace

TEST_F(CommonFrameTest, EachKindOfFieldOpensItsScreenWithTheFieldAndCancelReturnsToTheHub)
{
    opensItsScreen<ZKTextFieldSettingsVC>("TextBox");
    opensItsScreen<ZKTextAreaSettingsVC>("TextArea");
    opensItsScreen<ZKListViewSettingsVC>("List");
    opensItsScreen<ZKCheckBoxSettingsVC>("CheckBox");
    opensItsScreen<ZKLabelSettingsVC>("label");
    opensItsScreen<ZKRadioButtonSettingsVC>("Radio");
    opensItsScreen<ZKDateInputSettingsViewController>("dateEntryField");

    // A signature has no screen but becomes the active element view.
    const auto signature = place("SIGNATURE");
    openSettingsOf(signature);
    EXPECT_EQ(hub()->presentedViewController(), nullptr);
    EXPECT_EQ(hub()->activeElementView(), viewOf(signature));
}

TEST_F(CommonFrameTest, AFieldWithoutValidationGetsOneAfterItsControlsAreFilledExceptALabel)
{
    const auto element = place("TextBox");
    element->setValidation(nullptr);
    element->updateContent("Flat 4B");
    element->saveUpdates();
    const auto screen = open<ZKTextFieldSettingsVC>(element);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->defaultValueTextField->text(), "Flat 4B");
    EXPECT_FALSE(screen->isRequiredSwitch->isOn());
    EXPECT_EQ(screen->maxLengthTextField->text(), "");
    ASSERT_NE(element->validation(), nullptr);
    EXPECT_NE(stored(element)->validation(), nullptr);
    cancel(*screen);

    // A label keeps no validation.
    const auto label = place("label");
    label->setValidation(nullptr);
    ASSERT_NE(open<ZKLabelSettingsVC>(label), nullptr);
    EXPECT_EQ(label->validation(), nullptr);
}

TEST_F(CommonFrameTest, TheKeyboardInsetsTheFormAndATapElsewhereClosesIt)
{
    const auto screen = open<ZKTextFieldSettingsVC>(place("TextBox"));
    ASSERT_NE(screen, nullptr);
    tap(*screen->nameTextField);
    settle();
    EXPECT_TRUE(screen->nameTextField->isFirstResponder());
    const double keyboard = platform::ui::Keyboard::shared().frame().height();
    EXPECT_GT(keyboard, 0);
    EXPECT_EQ(screen->scrollView.lock()->contentInset().bottom, keyboard);
    EXPECT_EQ(screen->scrollView.lock()->scrollIndicatorInsets().bottom, keyboard);

    tap(*screen->topBar()->titleLabel());
    settle();
    EXPECT_FALSE(screen->nameTextField->isFirstResponder());
    EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_EQ(screen->scrollView.lock()->contentInset().bottom, 0);
    EXPECT_EQ(screen->scrollView.lock()->scrollIndicatorInsets().bottom, 0);
}

TEST_F(CommonFrameTest, InLandscapeAKeyboardLiftsTheDateScreenAndPutsItBackWhereItWas)
{
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    const auto screen = open<ZKDateInputSettingsViewController>(place("dateEntryField"));
    ASSERT_NE(screen, nullptr);
    const auto before = screen->view()->frame();
    auto& keyboard = platform::ui::Keyboard::shared();
    keyboard.show();
    EXPECT_EQ(screen->view()->frame().origin.y, ZKElementViewSettingsViewController::raisedY);
    // Another field takes the keyboard: the view stays lifted and remembers where it was.
    keyboard.show();
    keyboard.hide();
    settle();
    EXPECT_EQ(screen->view()->frame(), before);
    EXPECT_EQ(screen->initialFrame(), before);
}

TEST_F(CommonFrameTest, TheTextInEveryBoxOfTheScreensStartsAtOneInset)
{
    const auto textField = open<ZKTextFieldSettingsVC>(place("TextBox"));
    ASSERT_NE(textField, nullptr);
    const double inset = textStartOf(*textField->nameTextField);
    EXPECT_EQ(captionStartOf(*textField->isRequiredSwitch), inset);
    EXPECT_EQ(captionStartOf(*textField->readOnlySwitch), inset);
    cancel(*textField);

    const auto radio = open<ZKRadioButtonSettingsVC>(place("Radio"));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(textStartOf(*radio->nameTextField), inset);
    EXPECT_EQ(captionStartOf(*radio->defaultValueSwitch), inset);
    cancel(*radio);

    const auto date = open<ZKDateInputSettingsViewController>(place("dateEntryField"));
    ASSERT_NE(date, nullptr);
    EXPECT_EQ(textStartOf(*date->fieldName), inset);
    EXPECT_EQ(captionStartOf(*date->isRequiredSwitch), inset);
    const auto cells = date->formatListTableView->visibleCells();
    ASSERT_FALSE(cells.empty());
    for (const auto& cell : cells) {
        EXPECT_EQ(textStartOf(*cell->textLabel()), inset);
    }
}

TEST_F(CommonFrameTest, TheEntryTypedIntoStaysAboveTheKeyboardOnAPhoneOnItsSide)
{
    const auto screen = open<ZKTextFieldSettingsVC>(place("TextBox"));
    ASSERT_NE(screen, nullptr);
    const auto aboveTheKeyboard = [this](const platform::ui::View& entry) {
        const auto frame = entry.convertRectTo(entry.bounds(), nullptr);
        return frame.minY() >= 0 && frame.maxY() <= platform::ui::Keyboard::shared().frame().minY();
    };

    // Typing upright, then turned with the keyboard up.
    tap(*screen->maxLengthTextField);
    settle();
    EXPECT_TRUE(aboveTheKeyboard(*screen->maxLengthTextField));
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    settle();
    EXPECT_EQ(screen->scrollView.lock()->contentInset().bottom, platform::ui::Keyboard::shared().frame().height());
    EXPECT_TRUE(aboveTheKeyboard(*screen->maxLengthTextField));

    // Moving to an entry on its side.
    tap(*screen->topBar()->titleLabel());
    settle();
    tap(*screen->defaultValueTextField);
    settle();
    EXPECT_TRUE(aboveTheKeyboard(*screen->defaultValueTextField));
}

TEST_F(CommonFrameTest, TurnedAndBackWithTheKeyboardUpTheFormComesBackToItsStartWhenTheKeyboardGoes)
{
    const auto area = open<ZKTextAreaSettingsVC>(place("TextArea"));
    ASSERT_NE(area, nullptr);
    const auto scroll = area->scrollView.lock();
    const auto onScreen = [](const platform::ui::View& view) { return view.convertRectTo(view.bounds(), nullptr); };
    // The entry at the foot of the form, then the default text, which has a place of its
    // own to scroll to on a phone on its side.
    const std::vector<std::shared_ptr<platform::ui::View>> inputs{area->maxLengthTextField, area->defaultValueTextView};
    for (const auto& input : inputs) {
        tap(*input);
        settle();
        platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
        settle();
        platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::portrait);
        settle();
        tap(*area->topBar()->titleLabel());
        settle();
        ASSERT_FALSE(platform::ui::Keyboard::shared().isVisible());
        const double lastTop = std::max(0.0, scroll->contentSize().height - scroll->bounds().height());
        EXPECT_GE(scroll->contentOffset().y, 0);
        EXPECT_LE(scroll->contentOffset().y, lastTop) << "no blank band is left where the keyboard was";
        EXPECT_GE(onScreen(*area->nameTextField).minY(), onScreen(*scroll).minY()) << "the name is in sight";
    }
}
