// Texts far longer than their views: only their start is laid out, and the view shows
// exactly what it would show of the whole text.
#include "support/VeltraTest.h"
#include "ui/Label.h"
#include "ui/TextView.h"

#include <string>
#include <vector>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class LongTextTest : public testing_support::VeltraTest {};

std::string repeated(const std::string& piece, std::size_t bytes)
{
    std::string text;
    while (text.size() < bytes) {
        text += piece;
    }
    return text;
}

std::string numberedLines(int count)
{
    std::string text;
    for (int line = 0; line < count; ++line) {
        text += "Line " + std::to_string(line) + "\n";
    }
    return text;
}

std::vector<std::uint8_t> textViewShowing(const std::string& text)
{
    TextView view(makeRect(0, 0, 200, 100));
    view.setBackgroundColor(Color::white());
    view.setText(text);
    return view.snapshotImage(1, true)->pngData();
}

std::vector<std::uint8_t> labelShowing(const std::string& text, int lines)
{
    Label label(makeRect(0, 0, 150, 60));
    label.setBackgroundColor(Color::white());
    label.setNumberOfLines(lines);
    label.setText(text);
    return label.snapshotImage(1, true)->pngData();
}

} // namespace

// A text taller than its view shows its first lines from the top, whatever follows them.
TEST_F(LongTextTest, ATextViewShowsTheStartOfAnyTextTallerThanItself)
{
    const auto twelveLines = textViewShowing(numberedLines(12));
    EXPECT_EQ(textViewShowing(numberedLines(100000)), twelveLines);
    EXPECT_NE(textViewShowing(numberedLines(2)), twelveLines) << "a short text leaves the view's bottom empty";

    // One paragraph wrapped over many lines, with characters of more than one byte.
    const std::string paragraph = repeated("Grüße an Zoë, schön wär’s. ", 1'000'000);
    EXPECT_EQ(textViewShowing(paragraph), textViewShowing(paragraph.substr(0, 2000)));
}

// A label cut by its lines ends in the ellipsis it would put after the whole text.
TEST_F(LongTextTest, ALabelShowsTheStartOfALongTextEndsItWithAnEllipsisAndShrinksWithoutMeasuringItWhole)
{
    const std::string text = repeated("Quarterly lease for Zoë’s garden flat; ", 1'000'000);
    for (const int lines : {1, 2}) {
        const auto cut = labelShowing(text.substr(0, 400), lines);
        EXPECT_EQ(labelShowing(text, lines), cut) << lines << " line(s)";
        EXPECT_NE(labelShowing(text.substr(0, 10), lines), cut) << lines << " line(s)";
    }
    EXPECT_EQ(labelShowing(numberedLines(100000), 1), labelShowing(numberedLines(40), 1))
        << "a single line joins the text's lines";

    Label label(makeRect(0, 0, 150, 30));
    label.setText(repeated("Contract ", 1'000'000));
    EXPECT_EQ(label.fittingScale(), 1) << "only a label told to shrink does";
    label.setAdjustsFontSizeToFitWidth(true);
    label.setMinimumScaleFactor(0.5);
    label.setText(repeated("Contract ", 1'000'000));
    EXPECT_EQ(label.fittingScale(), 0.5);
    label.setText("Contract of the lease");
    const double scale = label.fittingScale();
    EXPECT_GT(scale, 0.5);
    EXPECT_LT(scale, 1);
    label.setText("Lease");
    EXPECT_EQ(label.fittingScale(), 1);
}
