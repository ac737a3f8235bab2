// Labels shorter than their lines, as a device sets them: the lines that fit whole, the
// last ended with an ellipsis.
#include "support/VeltraTest.h"
#include "ui/Label.h"

#include <string>
#include <vector>

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class LabelLinesTest : public testing_support::VeltraTest {};

std::vector<std::uint8_t> labelShowing(const std::string& text, int lines, double height)
{
    Label label(makeRect(0, 0, 150, height));
    label.setBackgroundColor(Color::white());
    label.setNumberOfLines(lines);
    label.setText(text);
    return label.snapshotImage(1, true)->pngData();
}

double heightOf(const std::string& text, int lines)
{
    Label label;
    label.setNumberOfLines(lines);
    label.setText(text);
    return label.sizeThatFits({150, 1000}).height;
}

} // namespace

TEST_F(LabelLinesTest, ALabelOneAndAHalfLinesTallShowsOneWholeLineEndedWithAnEllipsis)
{
    const double halfAgain = 1.5 * heightOf("One", 1);
    const std::string wrapping = "The tenant keeps the garden tidy and the gate shut";
    EXPECT_EQ(labelShowing(wrapping, 0, halfAgain), labelShowing(wrapping, 1, halfAgain));
    EXPECT_EQ(labelShowing("No pets.\nNo smoking.", 0, halfAgain), labelShowing("No pets.\u2026", 1, halfAgain))
        << "a line that ends its paragraph gets the ellipsis after it";
}

TEST_F(LabelLinesTest, ALineLimitCountsTheLinesOfEveryParagraph)
{
    const double threeLines = heightOf("One\nTwo\nThree", 0);
    EXPECT_EQ(heightOf("One\nTwo\nThree", 2), heightOf("One\nTwo", 0));
    EXPECT_EQ(labelShowing("One\nTwo\nThree", 2, threeLines), labelShowing("One\nTwo\u2026", 0, threeLines));
}
