#include "graphics/DrawingContext.h"
#include "graphics/Font.h"
#include "graphics/ImageContext.h"
#include "graphics/PaintedFonts.h"
#include "graphics/TextLayout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform::graphics;

namespace {

// Records what it is asked to paint, and fills the box so the picture can be found.
class RecordingPainter : public GlyphPainter {
public:
    struct Call {
        std::string glyph;
        Rect box;
        Color color;
    };
    void paint(DrawingContext& context, const std::string& glyph, const Rect& box, const Color& color) const override
    {
        calls.push_back({glyph, box, color});
        context.fill(box, color);
    }
    mutable std::vector<Call> calls;
};

TEST(PaintedFontsTest, TextInAPaintedFamilyIsDrawnByItsPainterOneCharacterEach)
{
    const auto painter = std::make_shared<RecordingPainter>();
    PaintedFonts::registerFamily("Test-Icons", painter);
    EXPECT_TRUE(Font::isFontAvailable("test-icons"));

    TextStyle style;
    style.font = Font("test-icons", 20);
    AttributedString text("ab\u00e9");
    EXPECT_NEAR(TextLayout::measure(text, style, 0).width, 3 * 1.1 * 20, 1);

    ImageContext image({100, 40}, 1, true);
    AttributedString mixed("Go ");
    mixed.append("Y", Font("test-icons", 20), Color::fromRGBA(1, 0, 0));
    image.context().drawText(mixed, makeRect(0, 0, 100, 40), TextStyle{});
    ASSERT_EQ(painter->calls.size(), 1u);
    const auto& call = painter->calls[0];
    EXPECT_EQ(call.glyph, "Y");
    EXPECT_DOUBLE_EQ(call.box.width(), 20);
    EXPECT_DOUBLE_EQ(call.box.height(), 20);
    EXPECT_EQ(call.color, Color::fromRGBA(1, 0, 0));
    const Point middle = call.box.center();
    EXPECT_EQ(image.image()->pixelAt(static_cast<int>(middle.x), static_cast<int>(middle.y)), 0xFFFF0000u);
}

TEST(PaintedFontsTest, UnregisteredFamiliesStayUnavailable)
{
    EXPECT_EQ(PaintedFonts::painterFor("never-registered"), nullptr);
    EXPECT_FALSE(Font::isFontAvailable("never-registered"));
}

} // namespace
