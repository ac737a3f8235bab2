#include "support/VeltraTest.h"

#include "graphics/ImageContext.h"
#include "sdk/screens/VTIconFontPainter.h"

#include <set>
#include <vector>

namespace {

using platform::graphics::Color;
using platform::graphics::Font;
using platform::graphics::ImageContext;

// The glyph drawn alone at 40 points, as the set of its dark pixels.
std::set<int> inkOf(const std::string& glyph)
{
    ImageContext image({48, 48}, 1, true);
    platform::graphics::TextStyle style;
    style.font = Font(VTIconFontPainter::family, 40);
    style.color = Color::black();
    image.context().drawText(glyph, platform::graphics::makeRect(0, 0, 48, 48), style);
    const auto drawn = image.image();
    std::set<int> ink;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if ((drawn->pixelAt(x, y) & 0xff) < 0x80) {
                ink.insert(y * 48 + x);
            }
        }
    }
    return ink;
}

class VTIconFontPainterTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        VTIconFontPainter::registerFont();
    }
};

TEST_F(VTIconFontPainterTest, EveryGlyphTheScreensNameIsAPictureOfItsOwn)
{
    EXPECT_TRUE(Font::isFontAvailable("ios-vlt"));
    const std::vector<std::string> glyphs{"x", "y", "Y", "C", "v", "p", "5", ">", "4", "/",
                                          "6", "7", "z", "R", "Q", "8", "t", "!", "U"};
    std::set<std::set<int>> pictures;
    for (const auto& glyph : glyphs) {
        SCOPED_TRACE(glyph);
        const auto ink = inkOf(glyph);
        EXPECT_GT(ink.size(), 40u);
        pictures.insert(ink);
    }
    EXPECT_EQ(pictures.size(), glyphs.size());
}

TEST_F(VTIconFontPainterTest, AnUnknownCharacterStillReadsInAFrame)
{
    const auto framed = inkOf("k");
    const auto other = inkOf("w");
    EXPECT_GT(framed.size(), 60u);
    EXPECT_NE(framed, other);
}

} // namespace
