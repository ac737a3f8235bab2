#include "graphics/DrawingContext.h"
#include "graphics/Font.h"
#include "graphics/ImageContext.h"
#include "graphics/TextLayout.h"

#include <gtest/gtest.h>

using namespace platform::graphics;

TEST(FontTest, MissingFontsFallBackToAPlainFontThatStillMeasures)
{
    EXPECT_FALSE(Font::isFontAvailable("ios-vlt"));
    TextStyle style;
    style.font = Font("ios-vlt", 14);
    const Size missing = TextLayout::measure(AttributedString("Hello"), style, 0);
    style.font = Font::systemFont(14);
    const Size plain = TextLayout::measure(AttributedString("Hello"), style, 0);
    EXPECT_GT(missing.width, 0);
    EXPECT_DOUBLE_EQ(missing.width, plain.width);
}

TEST(FontTest, LargerFontsAndMoreRunsMeasureWider)
{
    TextStyle style;
    style.font = Font::systemFont(10);
    const double small = TextLayout::measure(AttributedString("Wide text"), style, 0).width;
    AttributedString runs("Wide text");
    runs.append(" more", Font::systemFont(20), Color::white());
    EXPECT_GT(TextLayout::measure(runs, style, 0).width, small);
    EXPECT_EQ(runs.string(), "Wide text more");
}

TEST(ImageContextTest, OpaqueContextsStartWhiteAndTransparentOnesClear)
{
    ImageContext opaque({4, 4}, 2, true);
    EXPECT_EQ(opaque.image()->pixelAt(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(opaque.image()->pixelWidth(), 8);
    ImageContext clear({4, 4}, 1, false);
    EXPECT_EQ(clear.image()->pixelAt(0, 0) >> 24, 0u);
}

TEST(ImageContextTest, FillsRoundedCornersAndTransparencyLayers)
{
    ImageContext image({20, 20}, 1, false);
    auto& context = image.context();
    context.fill(makeRect(0, 0, 20, 20), Color::fromRGBA(1, 0, 0), 10);
    const auto drawn = image.image();
    EXPECT_EQ(drawn->pixelAt(0, 0) >> 24, 0u);
    EXPECT_EQ(drawn->pixelAt(10, 10), 0xFFFF0000u);

    ImageContext faded({2, 2}, 1, false);
    faded.context().beginTransparencyLayer();
    faded.context().fill(makeRect(0, 0, 2, 2), Color::black());
    faded.context().endTransparencyLayer(0.5);
    EXPECT_NEAR(static_cast<double>(faded.image()->pixelAt(1, 1) >> 24), 128, 1);
}

TEST(ImageContextTest, TextDrawsPixelsAndImageCopiesAreIndependent)
{
    ImageContext image({60, 20}, 1, true);
    TextStyle style;
    style.color = Color::black();
    image.context().drawText("Hi", makeRect(0, 0, 60, 20), style);
    const auto first = image.image();
    bool inked = false;
    for (int x = 0; x < 60 && !inked; ++x) {
        for (int y = 0; y < 20 && !inked; ++y) {
            inked = first->pixelAt(x, y) != 0xFFFFFFFFu;
        }
    }
    EXPECT_TRUE(inked);
    image.context().fill(makeRect(0, 0, 60, 20), Color::white());
    EXPECT_NE(image.image()->pngData(), first->pngData());
}
