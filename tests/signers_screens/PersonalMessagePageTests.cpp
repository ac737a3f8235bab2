#include "SignerSetupScreenTest.h"

#include "sdk/screens/VTKeyboardInsets.h"
#include "signers/screens/CreateTransactionSignerAddPersonalMessagePage.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"

#include <gmock/gmock.h>

namespace signers_screens_testing {
namespace {

using testing::ElementsAre;
using Page = CreateTransactionSignerAddPersonalMessagePage;

constexpr const char* backToOpener = "unwind unwindFromPersonalMessagePageToAddSignerPage";

class PersonalMessagePageTest : public SignerSetupScreenTest {
protected:
    std::shared_ptr<Page> openPage(const std::optional<std::string>& message, const std::optional<std::string>& name)
    {
        page = open<Page>(SignerSetupScenes::personalMessagePageScene, [&](Page& opened) {
            opened.personalMessage = message;
            opened.signerFullName = name;
        });
        return page;
    }

    std::string heading() const { return page->messageToRecipientLabel.lock()->text().value_or(""); }
    bool addShown() const { return isShown(*page->addButton.lock()); }

    std::shared_ptr<Page> page;
};

TEST_F(PersonalMessagePageTest, TheHeadingNamesTheRecipientWhenThereIsANameAndBackLeavesTheMessage)
{
    openPage(std::nullopt, std::string(" \t "));
    EXPECT_EQ(heading(), "Message:");
    tap(*page->backButton);
    openPage(std::nullopt, std::nullopt);
    EXPECT_EQ(heading(), "Message:");
    tap(*page->backButton);
    openPage(std::string("Welcome aboard"), std::string("Ann Lee"));
    EXPECT_EQ(heading(), "Message to Ann Lee");
    EXPECT_EQ(page->messageTextView.lock()->text(), "Welcome aboard");
    EXPECT_FALSE(addShown());
    tap(*page->messageTextView.lock());
    EXPECT_FALSE(addShown()) << "add waits for a change";
    tap(*page->backButton);
    EXPECT_THAT(opener->events, ElementsAre(backToOpener, backToOpener, backToOpener));
    EXPECT_EQ(topPage(), nullptr);
}

TEST_F(PersonalMessagePageTest, TypedTextIsHandedOverAndAClearedMessageAsEmpty)
{
    openPage(std::nullopt, std::string("Ann Lee"));
    tap(*page->messageTextView.lock());
    fingers->typeText("See page 3.");
    EXPECT_TRUE(addShown());
    tap(*page->addButton.lock());
    ASSERT_THAT(opener->messages, ElementsAre(std::optional<std::string>("See page 3.")));

    openPage(std::string("Old note"), std::string("Ann Lee"));
    tap(*page->clearButton.lock());
    EXPECT_EQ(page->messageTextView.lock()->text(), "");
    EXPECT_TRUE(addShown());
    tap(*page->addButton.lock());
    EXPECT_THAT(opener->messages.back(), std::optional<std::string>(""));
    EXPECT_THAT(opener->events, ElementsAre("message", backToOpener, "message", backToOpener));
}

TEST_F(PersonalMessagePageTest, TheKeyboardInsetsTheScrollerBelowTheEditor)
{
    openPage(std::nullopt, std::nullopt);
    tap(*page->messageTextView.lock());
    const auto scroller = page->scrollView.lock();
    const double keyboard = platform::ui::Keyboard::shared().frame().height();
    ASSERT_GT(keyboard, 0);
    EXPECT_EQ(scroller->contentInset().bottom, keyboard + VTKeyboardInsets::kMargin);
    EXPECT_EQ(scroller->scrollIndicatorInsets().bottom, keyboard + VTKeyboardInsets::kMargin);

    tap(*page->messageToRecipientLabel.lock());
    EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_EQ(scroller->contentInset().bottom, 0);
    EXPECT_EQ(scroller->scrollIndicatorInsets().bottom, 0);
}

TEST_F(PersonalMessagePageTest, AScrollerScrolledIntoTheKeyboardsRoomComesBackWithinTheMessageWhenTheKeyboardGoes)
{
    // Upright, the page and the keyboard fit on a phone together.
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    openPage(std::string("Welcome aboard"), std::nullopt);
    tap(*page->messageTextView.lock());
    const auto scroller = page->scrollView.lock();
    scrollToTheEnd(*fingers, *scroller);
    settle();
    ASSERT_FALSE(scrolledWithinContent(*scroller)) << "the scroller goes into the room kept for the keyboard";
    tap(*page->topBar->titleLabel());
    ASSERT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_TRUE(scrolledWithinContent(*scroller));
    const auto heading = page->messageToRecipientLabel.lock();
    EXPECT_GE(heading->convertPointTo({0, 0}, nullptr).y, scroller->convertPointTo({0, 0}, nullptr).y)
        << "the heading is in sight again";
}

TEST_F(PersonalMessagePageTest, TheLineBeingTypedInAMessageLongerThanItsBoxStaysAboveTheKeyboard)
{
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    std::string message;
    for (int line = 1; line <= 12; ++line) {
        message += "Point " + std::to_string(line) + " of the lease.\n";
    }
    openPage(message, std::nullopt);
    const auto editor = page->messageTextView.lock();
    tap(*editor);
    for (const char* typed : {"Thank you", " for signing.", "\n", "Ann"}) {
        fingers->typeText(typed);
        const auto box = editor->convertRectTo(editor->bounds(), nullptr);
        EXPECT_EQ(editor->contentOffset().y, editor->contentSize().height - box.height()) << typed;
        EXPECT_LE(box.maxY() - platform::ui::TextView::verticalTextInset,
                  platform::ui::Keyboard::shared().frame().minY())
            << "the last line of the box, which is being typed, is clear of the keyboard after \"" << typed << "\"";
    }
    EXPECT_EQ(editor->text(), message + "Thank you for signing.\nAnn");
}

} // namespace
} // namespace signers_screens_testing
