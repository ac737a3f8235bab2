#include "AuthenticationPageTest.h"

#include "support/SafeAreaCheck.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

#include <gmock/gmock.h>

namespace {

using signers_screens_testing::AuthenticationPageTest;
using Strings = std::vector<std::string>;

class QuestionAndAnswerPageTest : public AuthenticationPageTest {
protected:
    void open(const Method& method)
    {
        page = openQAPage(method);
        ASSERT_NE(page, nullptr);
    }
    platform::ui::TextField& field(int index) const
    {
        const std::weak_ptr<platform::ui::TextField> fields[] = {page->question1TextField, page->answer1TextField,
                                                                page->question2TextField, page->answer2TextField};
        return *fields[index].lock();
    }
    // The boxes marked in error, as "q1", "a1", "q2", "a2".
    Strings marked() const
    {
        Strings names;
        const std::pair<const char*, std::weak_ptr<platform::ui::View>> indicators[] = {
            {"q1", page->question1ErrorIndicator},
            {"a1", page->answer1ErrorIndicator},
            {"q2", page->question2ErrorIndicator},
            {"a2", page->answer2ErrorIndicator}};
        for (const auto& [name, indicator] : indicators) {
            if (isShown(*indicator.lock())) {
                names.push_back(name);
            }
        }
        return names;
    }
    // The boxes shaken since the tap, in the same names.
    Strings shakenSince(std::size_t animationsBefore) const
    {
        Strings names;
        const auto& history = platform::ui::Animator::shared().history();
        for (std::size_t index = animationsBefore; index < history.size(); ++index) {
            const std::pair<const char*, std::weak_ptr<platform::ui::View>> boxes[] = {
                {"q1", page->question1View}, {"a1", page->answer1View}, {"q2", page->question2View},
                {"a2", page->answer2View}};
            for (const auto& [name, box] : boxes) {
                if (history[index]->touches(*box.lock(), "center")) {
                    names.push_back(name);
                }
            }
        }
        return names;
    }
    // Taps Add; the boxes shaken by it.
    Strings add()
    {
        const auto before = platform::ui::Animator::shared().history().size();
        tap(*page->addButton.lock());
        auto shaken = shakenSince(before);
        settle();
        return shaken;
    }
    bool addShown() const { return isShown(*page->addButton.lock()); }

    std::shared_ptr<QAPage> page;
};

TEST_F(QuestionAndAnswerPageTest, ShowsTheStoredPairsOrEmptyFieldsAndAddsOnlyAfterAnEdit)
{
    open(Method::QuestionAndAnswer{"Pet?", "Rex", true, {}, "Blue", false});
    EXPECT_EQ(field(0).text(), "Pet?");
    EXPECT_EQ(field(1).text(), "Rex");
    EXPECT_EQ(field(2).text(), "");
    EXPECT_EQ(field(3).text(), "Blue");
    EXPECT_TRUE(page->maskAnswer1Switch.lock()->isOn());
    EXPECT_FALSE(page->maskAnswer2Switch.lock()->isOn());
    EXPECT_FALSE(addShown());
    EXPECT_EQ(marked(), Strings{});
    tap(*page->maskAnswer2Switch.lock());
    EXPECT_TRUE(addShown());
    navigation->popToViewController(*opener, false);

    for (const Method& other : {Method{Method::SMS{"+1 650-253-0000"}}, Method{Method::Email{}}}) {
        open(other);
        for (int index = 0; index < 4; ++index) {
            EXPECT_EQ(field(index).text(), "");
        }
        EXPECT_FALSE(page->maskAnswer1Switch.lock()->isOn());
        EXPECT_FALSE(addShown());
        type(field(3), "x");
        EXPECT_TRUE(addShown());
        navigation->popToViewController(*opener, false);
    }
}

TEST_F(QuestionAndAnswerPageTest, BlankCountsAsEmptyButTextGoesBackAsTyped)
{
    open(Method::Email{});
    type(field(0), "   ");
    type(field(1), "Rex");
    EXPECT_EQ(add(), Strings{"q1"});
    EXPECT_EQ(marked(), Strings{"q1"});
    EXPECT_EQ(top(), page);

    field(0).setText("");
    type(field(0), "Pet?");
    type(field(2), "  ");
    EXPECT_EQ(add(), Strings{});
    EXPECT_EQ(top(), picker);
    EXPECT_EQ(opener->method, (Method{Method::QuestionAndAnswer{"Pet?", "Rex", false, "  ", "", false}}));
    EXPECT_EQ(page->authenticationMethod(), opener->method);

    // Each answer is masked by its own switch only.
    navigation->popToViewController(*opener, false);
    open(Method::Email{});
    type(field(0), "Pet?");
    type(field(1), "Rex");
    type(field(2), "Colour?");
    type(field(3), "Blue");
    tap(*page->maskAnswer1Switch.lock());
    EXPECT_EQ(add(), Strings{});
    EXPECT_EQ(opener->method, (Method{Method::QuestionAndAnswer{"Pet?", "Rex", true, "Colour?", "Blue", false}}));

    const Method stored = opener->method;
    navigation->popToViewController(*opener, false);
    open(stored);
    tap(*page->maskAnswer1Switch.lock());
    tap(*page->maskAnswer2Switch.lock());
    EXPECT_EQ(add(), Strings{});
    EXPECT_EQ(opener->method, (Method{Method::QuestionAndAnswer{"Pet?", "Rex", false, "Colour?", "Blue", true}}));
}

TEST_F(QuestionAndAnswerPageTest, AllFourEmptyHidesAddUntilTheNextEditAndEachMissingFieldIsMarkedAlone)
{
    open(Method::Email{});
    tap(*page->maskAnswer1Switch.lock());
    ASSERT_TRUE(addShown());
    EXPECT_EQ(add(), (Strings{"q1", "a1", "q2", "a2"}));
    EXPECT_EQ(marked(), (Strings{"q1", "a1", "q2", "a2"}));
    EXPECT_FALSE(addShown());
    type(field(0), "Pet?");
    EXPECT_TRUE(addShown());
    EXPECT_EQ(add(), Strings{"a1"});
    EXPECT_EQ(marked(), Strings{"a1"});
    type(field(1), "Rex");
    type(field(3), "Blue");
    EXPECT_EQ(add(), Strings{"q2"});
    EXPECT_EQ(marked(), Strings{"q2"});
    field(3).setText("");
    type(field(2), "Colour?");
    EXPECT_EQ(add(), Strings{"a2"});
    EXPECT_EQ(marked(), Strings{"a2"});
    EXPECT_TRUE(addShown());
    EXPECT_EQ(top(), page);
    EXPECT_TRUE(opener->calls.empty());
}

TEST_F(QuestionAndAnswerPageTest, ReturnMovesFromEachQuestionToItsAnswerAndTheFieldsStayClearOfTheKeyboard)
{
    open(Method::Email{});
    type(field(0), "Pet?");
    fingers->pressReturn();
    EXPECT_TRUE(field(1).isFirstResponder());
    fingers->pressReturn();
    EXPECT_FALSE(field(1).isFirstResponder());
    EXPECT_FALSE(field(2).isFirstResponder());
    type(field(2), "Colour?");
    fingers->pressReturn();
    EXPECT_TRUE(field(3).isFirstResponder());
    fingers->pressReturn();
    EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());

    tap(field(3));
    settle();
    const auto scroll = page->scrollView.lock();
    const double keyboard = platform::ui::Keyboard::shared().frame().height();
    ASSERT_GT(keyboard, 0);
    EXPECT_DOUBLE_EQ(scroll->contentInset().bottom, keyboard + 10);
    EXPECT_DOUBLE_EQ(scroll->scrollIndicatorInsets().bottom, keyboard + 10);
    // A tap beside the fields ends editing.
    tap(*page->topBar->titleLabel());
    settle();
    EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_DOUBLE_EQ(scroll->contentInset().bottom, 0);
    EXPECT_DOUBLE_EQ(scroll->scrollIndicatorInsets().bottom, 0);
}

TEST_F(QuestionAndAnswerPageTest, BesideANotchOnItsSideThePickerAndThePageKeepWithinTheSafeArea)
{
    using testing_support::controlsOutsideSafeArea;
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    ASSERT_NE(openPicker(Method::Email{}), nullptr);
    EXPECT_THAT(controlsOutsideSafeArea(*picker->view()), testing::IsEmpty()) << "the picker";
    tap(*picker->qaButton.lock());
    settle();
    page = std::dynamic_pointer_cast<QAPage>(top());
    ASSERT_NE(page, nullptr);
    type(field(0), "Colour?");
    EXPECT_THAT(add(), testing::Not(testing::IsEmpty()));
    ASSERT_THAT(marked(), testing::Not(testing::IsEmpty()));
    EXPECT_THAT(controlsOutsideSafeArea(*page->view()), testing::IsEmpty()) << "the page with its errors";
}

TEST_F(QuestionAndAnswerPageTest, OnAPhoneHeldSidewaysTheFieldBeingTypedIntoRisesAboveTheKeyboard)
{
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    open(Method::Email{});
    const auto keyboardTop = [] { return platform::ui::Keyboard::shared().frame().minY(); };
    const auto bottomOnScreen = [this](const platform::ui::View& view) {
        window->layoutIfNeeded();
        return view.convertRectTo(view.bounds(), nullptr).maxY();
    };
    type(field(2), "Colour?");
    settle();
    EXPECT_LE(bottomOnScreen(field(2)), keyboardTop());
    fingers->pressReturn();
    settle();
    ASSERT_TRUE(field(3).isFirstResponder());
    EXPECT_LE(bottomOnScreen(field(3)), keyboardTop()) << "the answer below the fold comes up with the focus";
}

TEST_F(QuestionAndAnswerPageTest, AFormScrolledIntoTheKeyboardsRoomComesBackWithinItsFieldsWhenTheKeyboardGoes)
{
    open(Method::Email{});
    tap(field(3));
    settle();
    const auto scroll = page->scrollView.lock();
    signers_screens_testing::scrollToTheEnd(*fingers, *scroll);
    settle();
    ASSERT_FALSE(signers_screens_testing::scrolledWithinContent(*scroll))
        << "the form scrolls into the room kept for the keyboard";
    tap(*page->topBar->titleLabel());
    settle();
    ASSERT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_TRUE(signers_screens_testing::scrolledWithinContent(*scroll));
    EXPECT_GE(field(0).convertPointTo({0, 0}, nullptr).y, scroll->convertPointTo({0, 0}, nullptr).y)
        << "the first question is in sight again";
}

} // namespace
