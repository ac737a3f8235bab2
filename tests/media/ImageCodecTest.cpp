#include "MediaSamples.h"

#include "support/VeltraTest.h"
#include "graphics/ImageCodec.h"
#include "graphics/ImageScaler.h"

#include <algorithm>
#include <array>

using namespace media_samples;
using platform::graphics::ImageCodec;
using platform::graphics::ImageScaler;
using platform::graphics::Size;

namespace {

class ImageCodecTest : public testing_support::VeltraTest {};

TEST_F(ImageCodecTest, DecodesEveryCommonFormatAtOnePointPerPixel)
{
    const auto source = makeSplitImage(40, 30);
    for (const char* format : {"png", "jpeg", "bmp", "tiff"}) {
        SCOPED_TRACE(format);
        const auto image = ImageCodec::decode(encode(*source, format));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->size(), (Size{40, 30}));
        EXPECT_EQ(image->scale(), 1.0);
        EXPECT_TRUE(isReddish(image->pixelAt(5, 15)));
        EXPECT_TRUE(isBluish(image->pixelAt(35, 15)));
    }
    const auto gif = ImageCodec::decode(tinyGif());
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(gif->size(), (Size{2, 1}));
    EXPECT_EQ(gif->pixelAt(0, 0), 0xFFFF0000u);
    EXPECT_EQ(gif->pixelAt(1, 0), 0xFF00FF00u);
}

TEST_F(ImageCodecTest, TurnsCameraPhotosUpright)
{
    const auto image = ImageCodec::decode(sidewaysJpeg(*makeSplitImage(40, 20)));
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), (Size{20, 40}));
    EXPECT_TRUE(isReddish(image->pixelAt(10, 5)));
    EXPECT_TRUE(isBluish(image->pixelAt(10, 35)));
}

TEST_F(ImageCodecTest, KeepsTransparencyOfPng)
{
    const auto source = makeImage(4, 4, [](int x, int) { return x < 2 ? 0x00000000u : 0x80FF0000u; });
    const auto image = ImageCodec::decode(source->pngData());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->pixelAt(0, 0) >> 24, 0u);
    EXPECT_NEAR(static_cast<int>(image->pixelAt(3, 3) >> 24), 0x80, 1);
    EXPECT_TRUE(isReddish(image->pixelAt(3, 3) | 0xFF000000u));
}

TEST_F(ImageCodecTest, RefusesWhatIsNoImage)
{
    const auto png = makeSplitImage(64, 64)->pngData();
    EXPECT_EQ(ImageCodec::decode({}), nullptr);
    EXPECT_EQ(ImageCodec::decode(bytesOf("just some text")), nullptr);
    EXPECT_EQ(ImageCodec::decode(std::span(png).first(png.size() / 2)), nullptr);
    EXPECT_EQ(ImageCodec::decode(std::span(png).first(8)), nullptr);
    // Formats outside the common bitmap ones are not handed to other system loaders.
    EXPECT_EQ(ImageCodec::decode(bytesOf("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'/>")), nullptr);
    EXPECT_EQ(ImageCodec::decode(bytesOf("%PDF-1.4\n")), nullptr);
    // Headers that declare gigantic pictures are refused before any loader allocates.
    auto hugeGif = tinyGif();
    hugeGif[6] = hugeGif[7] = hugeGif[8] = hugeGif[9] = 0xEE;
    EXPECT_EQ(ImageCodec::decode(hugeGif), nullptr);
    auto lyingBitmap = encode(*makeSplitImage(8, 8), "bmp");
    lyingBitmap[22] = 0x00;
    lyingBitmap[23] = 0x40;
    EXPECT_EQ(ImageCodec::decode(lyingBitmap), nullptr);
    // A palette of millions of colours cannot fit between the header and the pixels.
    auto paletteBitmap = encode(*makeSplitImage(8, 8), "bmp");
    paletteBitmap[48] = 0xB0;
    EXPECT_EQ(ImageCodec::decode(paletteBitmap), nullptr);
}

TEST_F(ImageCodecTest, JpegDecodesAtTheScaleTheCallerNeeds)
{
    const auto jpeg = encode(*makeSplitImage(4000, 3000), "jpeg");
    std::string error;
    const auto half = ImageCodec::decode(jpeg, 1024, error);
    ASSERT_NE(half, nullptr) << error;
    EXPECT_EQ(half->size(), (Size{2000, 1500})) << "1/4 would leave the longer side short of 1024";
    EXPECT_TRUE(isReddish(half->pixelAt(500, 750)));
    EXPECT_TRUE(isBluish(half->pixelAt(1500, 750)));
    EXPECT_EQ(ImageCodec::decode(jpeg, 500, error)->size(), (Size{500, 375}));
    EXPECT_EQ(ImageCodec::decode(jpeg, 5000, error)->size(), (Size{4000, 3000}));
}

TEST_F(ImageCodecTest, RefusesWhatWouldNotFitInAPhonesMemoryAndSaysWhy)
{
    std::string error;
    EXPECT_EQ(ImageCodec::decode(testing_support::sampleFile("huge-canvas.gif"), error), nullptr);
    EXPECT_EQ(error, "The image needs 67543400 pixels to decode, more than the 50000000 a phone can hold");
    EXPECT_EQ(ImageCodec::decode(testing_support::sampleFile("animated-canvas.webp"), 1024, error), nullptr);
    EXPECT_EQ(error, "The image needs 247727880 pixels to decode, more than the 50000000 a phone can hold");
    const std::string largestPng("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\xff\xff\xff\xff\xff\xff\xff\xff", 24);
    EXPECT_EQ(ImageCodec::decode(std::vector<std::uint8_t>(largestPng.begin(), largestPng.end()), error), nullptr);
    EXPECT_EQ(error, "The image needs 18446744065119617024 pixels to decode, more than the 50000000 a phone can hold");
}

// libjpeg keeps every coefficient of a progressive picture, whatever the scale it
// decodes at: a small longer side does not make such a picture cheap, and a fill byte
// before its frame header (which libjpeg skips) does not hide its size.
TEST_F(ImageCodecTest, AProgressiveJpegCostsItsWholeSizeAtAnyScale)
{
    const auto progressive = testing_support::sampleFile("progressive-canvas.jpg");
    auto filled = progressive;
    const std::array<std::uint8_t, 2> frameMarker = {0xFF, 0xC2};
    filled.insert(std::search(filled.begin(), filled.end(), frameMarker.begin(), frameMarker.end()), 0xFF);
    for (const auto& bytes : {progressive, filled}) {
        std::string error;
        EXPECT_EQ(ImageCodec::decode(bytes, 1024, error), nullptr);
        EXPECT_EQ(error, "The image needs 144000000 pixels to decode, more than the 50000000 a phone can hold");
    }
}

// The system's loader never returned from this file, which fuzzing found.
TEST_F(ImageCodecTest, ArithmeticCodedJpegIsNoFormatReadHere)
{
    std::string error;
    EXPECT_EQ(ImageCodec::decode(testing_support::sampleFile("arithmetic-cut.jpg"), error), nullptr);
    EXPECT_EQ(error, "The data is no image in a format this system reads");
}

TEST_F(ImageCodecTest, JpegQualityTradesSizeAndFlattensTransparencyOnWhite)
{
    const auto noisy = makeImage(64, 64, [](int x, int y) { return 0xFF000000u | ((x * 37 + y * 91) % 256) << 8 | (x * y % 256); });
    const auto low = ImageCodec::encodeJpeg(*noisy, 0.1);
    const auto high = ImageCodec::encodeJpeg(*noisy, 0.95);
    ASSERT_FALSE(low.empty());
    EXPECT_LT(low.size(), high.size());

    const auto transparent = makeImage(16, 16, [](int, int) { return 0x00000000u; });
    const auto decoded = ImageCodec::decode(ImageCodec::encodeJpeg(*transparent, 0.75));
    ASSERT_NE(decoded, nullptr);
    EXPECT_GT(decoded->pixelAt(8, 8) & 0xFF, 245u);
    EXPECT_TRUE(ImageCodec::encodeJpeg(platform::graphics::Image(0, 0), 0.75).empty());
}

TEST_F(ImageCodecTest, RedrawScalesSmoothlyToAnyPointSize)
{
    const auto source = makeSplitImage(300, 200);
    const auto wide = ImageScaler::redraw(*source, {1024, 1024 * 200.0 / 300});
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->pixelWidth(), 1024);
    EXPECT_EQ(wide->pixelHeight(), 683);
    EXPECT_TRUE(isReddish(wide->pixelAt(100, 300)));
    EXPECT_TRUE(isBluish(wide->pixelAt(900, 300)));
    // Smooth scaling blends at the seam instead of jumping from red to blue.
    const auto seam = ImageScaler::redraw(*source, {31, 20});
    ASSERT_NE(seam, nullptr);
    const std::uint32_t middle = seam->pixelAt(15, 10);
    EXPECT_FALSE(isReddish(middle) || isBluish(middle)) << std::hex << middle;

    const auto retina = ImageScaler::redraw(*source, {10, 5}, 2.0);
    ASSERT_NE(retina, nullptr);
    EXPECT_EQ(retina->pixelWidth(), 20);
    EXPECT_EQ(retina->size(), (Size{10, 5}));
    EXPECT_EQ(ImageScaler::redraw(*source, {0, 10}), nullptr);
    EXPECT_EQ(ImageScaler::redraw(*source, {1e9, 10}), nullptr);
}

} // namespace
