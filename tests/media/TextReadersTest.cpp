#include "MediaSamples.h"

#include "support/VeltraTest.h"
#include "graphics/HtmlReader.h"
#include "graphics/PlainTextReader.h"
#include "graphics/RtfReader.h"

using namespace media_samples;
using platform::graphics::HtmlReader;
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

TEST_F(TextReadersTest, HtmlKeepsHeadingsParagraphsListsAndBreaks)
{
    const auto blocks = HtmlReader::read(bytesOf(
        "<!DOCTYPE html><html><head><title>Hidden</title><style>p{color:red}</style>"
        "<script>if (a < b) document.write('<p>no</p>')</script></head><body>"
        "<H1>Terms</H1><p>First   line<br>second\n line</p><!-- <p>comment</p> -->"
        "<ol><li>one<li>two<ul><li>inner</li></ul></li></ol><p>caf&eacute; &amp; &lt;b&gt; &#233;&#x263A; &bogus; a < b</p>"
        "<pre>  keep\n    spaces</pre><table><tr><td>a</td><td>b</td></tr></table></body></html>"));
    ASSERT_EQ(blocks.size(), 8u);
    EXPECT_EQ(blocks[0], (TextBlock{Style::heading, 1, "", "Terms"}));
    EXPECT_EQ(blocks[1].text, "First line\nsecond line");
    EXPECT_EQ(blocks[2], (TextBlock{Style::listItem, 1, "1.", "one"}));
    EXPECT_EQ(blocks[3], (TextBlock{Style::listItem, 1, "2.", "two"}));
    EXPECT_EQ(blocks[4], (TextBlock{Style::listItem, 2, "\u2022", "inner"}));
    EXPECT_EQ(blocks[5].text, "caf&eacute; & <b> \u00E9\u263A &bogus; a < b");
    EXPECT_EQ(blocks[6], (TextBlock{Style::preformatted, 0, "", "  keep\n    spaces"}));
    EXPECT_EQ(blocks[7].text, "a\tb");
}

TEST_F(TextReadersTest, HtmlSurvivesDamagedMarkup)
{
    EXPECT_EQ(texts(HtmlReader::read(bytesOf("plain words <p unterminated"))), std::vector<std::string>{"plain words"});
    EXPECT_EQ(texts(HtmlReader::read(bytesOf("<p>a</li></ul></ol></pre></h2>b"))), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(texts(HtmlReader::read(bytesOf("<script>never closed <p>x</p>"))), std::vector<std::string>{});
    EXPECT_EQ(texts(HtmlReader::read(bytesOf("<p>&#0;&#x110000;&#99999999999;</p>"))),
        std::vector<std::string>{"\uFFFD\uFFFD&#99999999999;"});
    EXPECT_EQ(texts(HtmlReader::read(bytesOf("<p>Gr\xFC\xDF" "e \x80</p>"))), std::vector<std::string>{"Gr\u00FC\u00DFe \u20AC"});
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
