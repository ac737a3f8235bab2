#include "MediaSamples.h"

#include "support/VeltraTest.h"
#include "graphics/PlainTextReader.h"
#include "graphics/RtfReader.h"

using namespace media_samples;
using platform::graphics::PlainTextReader;
using platform::graphics::RtfReader;
using platform::graphics::TextBlock;
using Style = TextBlock::Style;

namespace {

class TextReadersTest : public testing_support::VeltraTest {};

std::vector<std::string> texts(const std::vector<TextBlock>& blocks)
{
    std::vector<std::string> result;
    for (const auto& block : blocks)
        result.push_back(block.text);
    return result;
}

TEST_F(TextReadersTest, RtfReadsParagraphsAndSkipsDestinations)
{
    const auto blocks = RtfReader::read(bytesOf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s1 Heading;}}{\\info{\\title Secret}}{\\*\\generator Writer;}"
        "\\pard Hello\\tab World\\par\n"
        "Caf\\'e9 \\u8364?{\\uc2\\u9731xx} done\\line next\\par"
        "{\\pict\\pngblip 89504e47}Braces \\{ \\} \\\\ \\emdash{\\b bold}\\par"
        "\\u-10179?\\u-8704?\\par "
        "tail}ignored after end"));
    ASSERT_TRUE(blocks);
    EXPECT_EQ(texts(*blocks), (std::vector<std::string>{"Hello\tWorld", "Caf\u00E9 \u20AC\u2603 done\nnext",
                                 "Braces { } \\ \u2014bold", "\U0001F600", "tail"}));
}

TEST_F(TextReadersTest, RtfRefusesWhatIsNotRtfAndKeepsWhatATruncatedFileHolds)
{
    EXPECT_FALSE(RtfReader::read(bytesOf("Hello")));
    EXPECT_FALSE(RtfReader::read(bytesOf("")));
    EXPECT_FALSE(RtfReader::read(bytesOf(std::string(2000, '{').insert(1, "\\rtf1 "))));
    const auto truncated = RtfReader::read(bytesOf("{\\rtf1 {\\b partial text\\'"));
    ASSERT_TRUE(truncated);
    EXPECT_EQ(texts(*truncated), std::vector<std::string>{"partial text"});
    const auto binary = RtfReader::read(bytesOf("{\\rtf1 a{\\*\\blob\\bin4 }}}}}b\\par}"));
    ASSERT_TRUE(binary);
    EXPECT_EQ(texts(*binary), std::vector<std::string>{"ab"});
}

TEST_F(TextReadersTest, PlainTextSplitsLinesAndFallsBackToWindows1252)
{
    const auto lines = PlainTextReader::read(bytesOf("\xEF\xBB\xBFone\r\ntwo\rthree\n\nfour\tcol\x01"));
    ASSERT_TRUE(lines);
    EXPECT_EQ(texts(*lines), (std::vector<std::string>{"one", "two", "three", "", "four\tcol"}));
    EXPECT_EQ((*lines)[0].style, Style::preformatted);
    const auto latin = PlainTextReader::read(bytesOf("na\xEFve caf\xE9"));
    ASSERT_TRUE(latin);
    EXPECT_EQ(texts(*latin), std::vector<std::string>{"na\u00EFve caf\u00E9"});
    EXPECT_FALSE(PlainTextReader::read(bytesOf(std::string("bin\0ary", 7))));
}

} // namespace
