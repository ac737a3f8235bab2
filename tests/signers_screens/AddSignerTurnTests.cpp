#include "AddSignerPageTest.h"

#include "support/SafeAreaCheck.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace signers_screens_testing {
namespace {

using platform::ui::InterfaceOrientation;

// The add/edit recipient page turned while a sender types into it.
class AddSignerTurnTest : public AddSignerPageTest {
protected:
    static void turn(InterfaceOrientation orientation)
    {
        platform::ui::Screen::main().setOrientation(orientation);
    }

    // The view's frame in the window, as the sender sees it.
    platform::graphics::Rect onScreen(const platform::ui::View& view) const
    {
        window->layoutIfNeeded();
        return view.convertRectTo(view.bounds(), nullptr);
    }

    static double keyboardTop() { return platform::ui::Keyboard::shared().frame().minY(); }

    void scrollToTheEnd()
    {
        signers_screens_testing::scrollToTheEnd(*fingers, *page->scrollView.lock());
        settle();
    }
};

TEST_F(AddSignerTurnTest, BesideANotchOnItsSideTheBarTheFormAndTheSourceMenuKeepWithinTheSafeArea)
{
    using testing_support::controlsOutsideSafeArea;
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    turn(InterfaceOrientation::landscapeRight);
    ASSERT_NE(openToAdd(), nullptr);
    EXPECT_THAT(controlsOutsideSafeArea(*page->view()), testing::IsEmpty());
    tap(*page->signerButtonAdd.lock());
    settle();
    ASSERT_TRUE(isShown(page->signerMenuView));
    EXPECT_THAT(controlsOutsideSafeArea(*page->view()), testing::IsEmpty()) << "with the source menu open";
    tap(*page->addMyselfButton.lock());
    settle();
    scrollToTheEnd();
    EXPECT_THAT(controlsOutsideSafeArea(*page->view()), testing::IsEmpty()) << "filled and scrolled to the end";
}

TEST_F(AddSignerTurnTest, TurnedWithTheKeyboardUpTheLastRowStillScrollsClearOfIt)
{
    turn(InterfaceOrientation::landscapeLeft);
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->companyTextField.lock());
    ASSERT_TRUE(platform::ui::Keyboard::shared().isVisible());
    turn(InterfaceOrientation::portrait);
    settle();
    scrollToTheEnd();
    EXPECT_LE(onScreen(*page->changeRecipientSwitch.lock()).maxY(), keyboardTop())
        << "the portrait keyboard is taller than the landscape one it replaced";
}

TEST_F(AddSignerTurnTest, SidewaysAFieldTappedLowOnThePageRisesAboveTheKeyboardAndStaysThereThroughATurn)
{
    turn(InterfaceOrientation::landscapeLeft);
    ASSERT_NE(openToAdd(), nullptr);
    const auto email = page->emailTextField.lock();
    tap(*email);
    settle();
    EXPECT_LE(onScreen(*email).maxY(), keyboardTop());
    turn(InterfaceOrientation::portrait);
    turn(InterfaceOrientation::landscapeRight);
    settle();
    EXPECT_LE(onScreen(*email).maxY(), keyboardTop());
    EXPECT_GE(onScreen(*email).minY(), onScreen(*page->scrollView.lock()).minY());
}

TEST_F(AddSignerTurnTest, AFormScrolledIntoTheKeyboardsRoomComesBackWithinItsFieldsWhenTheKeyboardGoes)
{
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->companyTextField.lock());
    scrollToTheEnd();
    const auto form = page->scrollView.lock();
    ASSERT_FALSE(scrolledWithinContent(*form)) << "the form scrolls into the room kept for the keyboard";
    // A tap on the blank band above the keyboard ends editing.
    fingers->tap({onScreen(*form).midX(), keyboardTop() - 5});
    settle();
    ASSERT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_TRUE(scrolledWithinContent(*form));
    const auto lastRow = onScreen(*page->changeRecipientSwitch.lock());
    EXPECT_GE(lastRow.minY(), onScreen(*form).minY());
    EXPECT_LE(lastRow.maxY(), onScreen(*form).maxY());
}

TEST_F(AddSignerTurnTest, ARefusedRecipientSidewaysShowsWhyAboveTheKeyboard)
{
    addRecipient(Dictionary{{"firstName", "Ann"}, {"lastName", "Lee"}, {"email", "ann@example.com"}});
    turn(InterfaceOrientation::landscapeLeft);
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Bob", "Lee", "ann@example.com");
    tap(*page->addButton.lock());
    settle();
    const auto error = page->errorLabel.lock();
    ASSERT_EQ(error->text(), "This Signer is already added.");
    const auto shown = onScreen(*error);
    EXPECT_GE(shown.minY(), onScreen(*page->scrollView.lock()).minY());
    EXPECT_LE(shown.maxY(), keyboardTop());
}

} // namespace
} // namespace signers_screens_testing
