// Text being typed stays in sight: a text view scrolls its text to the line being typed
// and by a drag, a field being typed in shows its end.
#include "foundation/Text.h"
#include "support/VeltraTest.h"
#include "ui/TextField.h"
#include "ui/TextView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class TextCaretTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
        fingers = std::make_unique<TouchInjector>(window);
    }

    static double endOffset(const TextView& view)
    {
        return std::max(0.0, view.contentSize().height - view.bounds().height());
    }

    static std::vector<std::uint8_t> drawn(const View& view) { return view.snapshotImage(1, true)->pngData(); }

    std::shared_ptr<Window> window;
    std::unique_ptr<TouchInjector> fingers;
};

} // namespace

TEST_F(TextCaretTest, ATextViewTypedPastItsHeightShowsTheLineTypedAndADragScrollsItWithinItsText)
{
    auto view = std::make_shared<TextView>(makeRect(20, 100, 200, 100));
    window->addSubview(view);
    fingers->tap(*view);
    ASSERT_TRUE(view->isFirstResponder());
    for (int line = 1; line <= 12; ++line) {
        fingers->typeText("Line " + std::to_string(line));
        EXPECT_EQ(view->contentOffset().y, endOffset(*view)) << "line " << line;
        fingers->pressReturn();
        EXPECT_EQ(view->contentOffset().y, endOffset(*view)) << "the empty line after line " << line;
    }
    fingers->deleteBackward(8);
    const Point end = view->contentOffset();
    EXPECT_GT(end.y, 0);
    EXPECT_EQ(end.y, endOffset(*view)) << "a deletion keeps the caret's line in sight too";

    fingers->pan({{120, 110}, {120, 180}, {120, 400}});
    EXPECT_EQ(view->contentOffset(), Point(0, 0)) << "dragged down, it stops at its first line";
    fingers->pan({{120, 190}, {120, 120}, {120, -300}});
    EXPECT_EQ(view->contentOffset(), end) << "dragged up, it stops at its last line";
    EXPECT_TRUE(view->isFirstResponder());

    view->resignFirstResponder();
    view->setText(view->text() + "\nset from code");
    EXPECT_EQ(view->contentOffset(), Point(0, 0)) << "text set at rest shows its first lines";
}

TEST_F(TextCaretTest, ADragOnATextViewThatFitsMovesTheScrollViewAroundIt)
{
    auto page = std::make_shared<ScrollView>(makeRect(0, 0, 300, 300));
    page->setContentSize({300, 900});
    window->addSubview(page);
    auto view = std::make_shared<TextView>(makeRect(20, 100, 200, 100));
    view->setText("Fits");
    page->addSubview(view);
    fingers->pan({{120, 190}, {120, 150}, {120, 90}});
    EXPECT_EQ(page->contentOffset().y, 100);
    EXPECT_EQ(view->contentOffset().y, 0);
    EXPECT_FALSE(view->isFirstResponder());
}

TEST_F(TextCaretTest, ATextFieldShowsTheEndOfItsTextWhileEditedAndItsStartOnceEditingEnds)
{
    const std::string start(30, 'm');
    auto field = std::make_shared<TextField>(makeRect(20, 100, 150, 40));
    field->setBackgroundColor(Color::white());
    window->addSubview(field);
    fingers->tap(*field);
    fingers->typeText(start + "END");
    const auto typing = drawn(*field);
    field->setText(start + start + "END");
    EXPECT_EQ(drawn(*field), typing) << "only the end shows, whatever comes before it";
    fingers->typeText("S");
    EXPECT_NE(drawn(*field), typing) << "the text moves as it grows";

    field->resignFirstResponder();
    const auto resting = drawn(*field);
    TextField untouched(makeRect(0, 0, 150, 40));
    untouched.setBackgroundColor(Color::white());
    untouched.setText(start + "and much more");
    EXPECT_EQ(resting, drawn(untouched)) << "the start, ended with an ellipsis";

    field->setSecureTextEntry(true);
    fingers->tap(*field);
    const auto dots = drawn(*field);
    field->setText(std::string(field->text().size(), 'x'));
    EXPECT_EQ(drawn(*field), dots) << "hidden text shows as dots";
    for (TextField* shown : {field.get(), &untouched}) {
        shown->setText("");
        shown->setPlaceholder("E-mail");
    }
    EXPECT_EQ(drawn(*field), drawn(untouched)) << "the placeholder shows as it does at rest";
}

// Text from outside (a message from the service, a contact card) may hold bytes that are no
// UTF-8; a text view holds it as text a person can read and edit, and scrolls it safely.
TEST_F(TextCaretTest, ATextViewGivenBytesThatAreNoTextHoldsReadableTextAndScrollsItToItsEnd)
{
    auto view = std::make_shared<TextView>(makeRect(20, 100, 120, 60));
    window->addSubview(view);
    view->setText(std::string(600, '\xff') + "end");
    EXPECT_TRUE(platform::text::isValidUtf8(view->text()));
    fingers->tap(*view);
    fingers->typeText("!");
    EXPECT_EQ(view->contentOffset().y, endOffset(*view));
    EXPECT_FALSE(drawn(*view).empty());
}
