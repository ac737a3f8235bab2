#include "MediaSamples.h"

#include "support/PeakMemory.h"
#include "support/VeltraTest.h"
#include "graphics/ImageCodec.h"

#include <algorithm>
#include <cstring>

using namespace media_samples;
using platform::graphics::ImageCodec;
using platform::graphics::ImagePtr;
using platform::graphics::Size;
using testing_support::sampleFile;

namespace {

class PhotoFormatTest : public testing_support::VeltraTest {
protected:
    // Decodes what must be refused and answers the reason given.
    static std::string refusal(const Bytes& bytes)
    {
        std::string error;
        const ImagePtr image = ImageCodec::decode(bytes, error);
        EXPECT_EQ(image, nullptr);
        EXPECT_FALSE(error.empty());
        return error;
    }

    static void put32(Bytes& bytes, std::size_t offset, std::uint32_t value, bool bigEndian)
    {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<std::uint8_t>(value >> (bigEndian ? 24 - 8 * i : 8 * i));
    }

    // Offset of the first box or chunk of this type (its size field).
    static std::size_t offsetOf(const Bytes& bytes, const char* type)
    {
        for (std::size_t i = 4; i + 4 <= bytes.size(); ++i) {
            if (std::memcmp(bytes.data() + i, type, 4) == 0)
                return bytes[0] == 'R' ? i : i - 4;
        }
        ADD_FAILURE() << type << " not found";
        return 0;
    }
};

// Red on the left, blue on the right, as the samples were made.
void expectSplit(const ImagePtr& image, Size size)
{
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), size);
    EXPECT_TRUE(isReddish(image->pixelAt(5, static_cast<int>(size.height) / 2)));
    EXPECT_TRUE(isBluish(image->pixelAt(static_cast<int>(size.width) - 5, static_cast<int>(size.height) / 2)));
}

// Turned upright: red on top, blue below.
void expectUpright(const ImagePtr& image)
{
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), (Size{20, 40}));
    EXPECT_TRUE(isReddish(image->pixelAt(10, 5)));
    EXPECT_TRUE(isBluish(image->pixelAt(10, 35)));
}

TEST_F(PhotoFormatTest, DecodesWebpStillsFirstFramesAndHeicPrimaryImages)
{
    expectSplit(ImageCodec::decode(sampleFile("photo.webp")), {40, 20});
    expectSplit(ImageCodec::decode(sampleFile("photo.heic")), {40, 20});
    const auto animation = ImageCodec::decode(sampleFile("animated.webp"));
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->size(), (Size{30, 20}));
    EXPECT_TRUE(isReddish(animation->pixelAt(15, 10)));
}

TEST_F(PhotoFormatTest, TurnsRotatedPhotosUpright)
{
    SCOPED_TRACE("WebP with an EXIF orientation");
    expectUpright(ImageCodec::decode(sampleFile("photo-exif-rotated.webp")));
    SCOPED_TRACE("HEIC with a rotation property");
    expectUpright(ImageCodec::decode(sampleFile("photo-rotated.heic")));
}

TEST_F(PhotoFormatTest, RefusesCutWebpAndWebpWhoseHeaderLies)
{
    const Bytes webp = sampleFile("photo.webp");
    const std::string cut = "The image file is cut short or its header does not match its data";
    EXPECT_EQ(refusal(Bytes(webp.begin(), webp.begin() + 100)), cut);
    EXPECT_EQ(refusal(Bytes(webp.begin(), webp.begin() + 16)), cut);

    // A RIFF size that claims more than the file holds, and a bitstream that says it is
    // 16383 x 16383 (268 million pixels).
    Bytes longer = webp;
    put32(longer, 4, static_cast<std::uint32_t>(webp.size()), false);
    EXPECT_EQ(refusal(longer), cut);
    Bytes huge = webp;
    const std::size_t frame = offsetOf(huge, "VP8 ") + 8;
    huge[frame + 6] = huge[frame + 8] = 0xFF;
    huge[frame + 7] = huge[frame + 9] = 0x3F;
    EXPECT_EQ(refusal(huge), "The image needs 268402689 pixels to decode, more than the 50000000 a phone can hold");

    // An extended file whose canvas is not the size of its picture.
    Bytes wider = sampleFile("photo-exif-rotated.webp");
    wider[offsetOf(wider, "VP8X") + 8 + 4] = 80;
    EXPECT_EQ(refusal(wider), cut);
}

TEST_F(PhotoFormatTest, RefusesAnimationsWhoseFramesTogetherExceedThePixelLimit)
{
    // The loader decodes every frame at once, beside two canvases of its decoder: two
    // frames of 4000 x 4000 (16 million pixels each) take four times that.
    Bytes animation = sampleFile("animated.webp");
    const std::size_t canvas = offsetOf(animation, "VP8X") + 8 + 4;
    animation[canvas] = animation[canvas + 3] = 0x9F;
    animation[canvas + 1] = animation[canvas + 4] = 0x0F;
    EXPECT_EQ(refusal(animation), "The image needs 64000000 pixels to decode, more than the 50000000 a phone can hold");
}

// The system's loader left the canvases of such a file behind, some 30 MB a decode.
TEST_F(PhotoFormatTest, AnAnimationWhoseFirstFrameDoesNotDecodeIsRefusedWithoutHoldingMemory)
{
    const Bytes animation = sampleFile("animation-frame-that-fails.webp");
    const auto growth = testing_support::PeakMemory::growthDuring([&] {
        for (int attempt = 0; attempt < 10; ++attempt)
            EXPECT_EQ(ImageCodec::decode(animation), nullptr);
    });
    if (!testing_support::PeakMemory::measuresTheCode)
        GTEST_SKIP() << testing_support::PeakMemory::whyNotMeasured;
    EXPECT_LE(growth, 64 << 20);
}

TEST_F(PhotoFormatTest, RefusesCutHeicAndHeicThatDeclaresAHugePicture)
{
    const Bytes heic = sampleFile("photo.heic");
    const std::string cut = "The image file is cut short or its header does not match its data";
    EXPECT_EQ(refusal(Bytes(heic.begin(), heic.end() - 1)), cut);
    EXPECT_EQ(refusal(Bytes(heic.begin(), heic.begin() + 200)), cut);

    // The primary image's size property, 40 x 20, made 20000 x 20000: refused before the
    // loader decodes anything.
    Bytes huge = heic;
    const std::size_t primarySize = offsetOf(heic, "ispe") + 20 + 8 + 4;
    put32(huge, primarySize, 20000, true);
    put32(huge, primarySize + 4, 20000, true);
    EXPECT_EQ(refusal(huge), "The image needs 400000000 pixels to decode, more than the 50000000 a phone can hold");
    // The primary image is a grid of tiles; the grid's own description of the picture
    // it makes is what the decoder allocates, whatever the size property says.
    Bytes hugeGrid = heic;
    const std::size_t gridOutput = offsetOf(heic, "idat") + 8 + 4;
    std::fill(hugeGrid.begin() + gridOutput, hugeGrid.begin() + gridOutput + 4, 0xFF);
    EXPECT_EQ(refusal(hugeGrid), "The image needs 4294836225 pixels to decode, more than the 50000000 a phone can hold");

    // Formats of the same container that are no HEIF photo go to no loader.
    Bytes avif = heic;
    std::memcpy(avif.data() + 8, "avif", 4);
    EXPECT_EQ(refusal(avif), "The data is no image in a format this system reads");
}

TEST_F(PhotoFormatTest, RefusesHeicMadeOfWhatIsNoPictureOrWithDoubledTables)
{
    // The primary image made an identity of the tile, and the tile's type made unknown:
    // the decoder would take the tile for a picture without checking and stop the whole
    // program on a failed assertion.
    const Bytes heic = sampleFile("photo.heic");
    const std::string inconsistent = "The image file is cut short or its header does not match its data";
    Bytes unknownSource = heic;
    std::memcpy(unknownSource.data() + offsetOf(heic, "hvc1") + 4, "hvc2", 4);
    std::memcpy(unknownSource.data() + offsetOf(heic, "grid") + 4, "iden", 4);
    EXPECT_EQ(refusal(unknownSource), inconsistent);

    // A second grid description (the handler box renamed): decoders differ on which
    // one counts.
    Bytes twoDescriptions = heic;
    std::memcpy(twoDescriptions.data() + offsetOf(heic, "hdlr") + 4, "idat", 4);
    EXPECT_EQ(refusal(twoDescriptions), inconsistent);
}

TEST_F(PhotoFormatTest, ADecoderFailureIsAnErrorNotAPicture)
{
    // The picture's data box is shortened along with its size, so the container holds
    // together but the picture's data is not all there.
    Bytes heic = sampleFile("photo.heic");
    const std::size_t mdat = offsetOf(heic, "mdat");
    const std::uint32_t shorter = static_cast<std::uint32_t>(heic.size() - mdat - 100);
    heic.resize(heic.size() - 100);
    put32(heic, mdat, shorter, true);
    EXPECT_EQ(refusal(heic).rfind("The image could not be decoded: ", 0), 0u);

    // A damaged WebP bitstream: its loader would answer a black picture.
    Bytes webp = sampleFile("photo.webp");
    for (std::size_t i = offsetOf(webp, "VP8 ") + 18; i < webp.size(); ++i)
        webp[i] ^= 0x5A;
    EXPECT_EQ(refusal(webp), "The image data ends before the picture does");
}

} // namespace
