#include "service/ZKPropertyListParser.h"

#include <gtest/gtest.h>

namespace {

TEST(ZKPropertyListParserTest, ReadsDictionariesOfStringsIntegersAndReals)
{
    const auto plist = ZKPropertyListParser::parse(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<!-- server settings -->
<plist version="1.0">
<dict>
    <key>name</key>
    <string>a &lt;b&gt; &quot;c&quot; &apos;d&apos; &#233;&#x1F600;</string>
    <key>empty</key><string/>
    <key>count</key><integer> -42 </integer>
    <key>big</key><integer>+9223372036854775807</integer>
    <key>ratio</key><real>2.5e-1</real>
    <!-- a comment between entries -->
    <key>nested</key><dict><key>inner</key><dict/></dict>
</dict>
</plist>
)");
    ASSERT_TRUE(plist);
    EXPECT_EQ(*plist, Dictionary({{"name", "a <b> \"c\" 'd' \xC3\xA9\xF0\x9F\x98\x80"},
                                  {"empty", ""},
                                  {"count", -42},
                                  {"big", 9223372036854775807LL},
                                  {"ratio", 0.25},
                                  {"nested", {{"inner", Dictionary::object()}}}}));
}

TEST(ZKPropertyListParserTest, RefusesWhatItCannotReadWithAMessage)
{
    const std::vector<std::string> broken{
        "",
        "<plist>",
        "<plist><array/></plist>",
        "<plist><string>x</string></plist>",
        "<plist><dict><key>a</key></dict></plist>",
        "<plist><dict><string>no key</string></dict></plist>",
        "<plist><dict><key>a</key><true/></dict></plist>",
        "<plist><dict><key>a</key><integer>12x</integer></dict></plist>",
        "<plist><dict><key>a</key><integer>99999999999999999999</integer></dict></plist>",
        "<plist><dict><key>a</key><integer></integer></dict></plist>",
        "<plist><dict><key>a</key><real>nan</real></dict></plist>",
        "<plist><dict><key>a</key><real>1e999</real></dict></plist>",
        "<plist><dict><key>a</key><string>&bogus;</string></dict></plist>",
        "<plist><dict><key>a</key><string>&#0;</string></dict></plist>",
        "<plist><dict><key>a</key><string>&#xD800;</string></dict></plist>",
        "<plist><dict><key>a</key><string>&#1114112;</string></dict></plist>",
        "<plist><dict><key>a</key><string>&amp</string></dict></plist>",
        "<plist><dict><key>a</key><string>x</strin></dict></plist>",
        "<plist><dict></dict></plist><plist>",
        "<!-- unterminated",
        "<plist><dict><key>a</key><string>x</string></dict>",
        "<plist></>",
    };
    for (const auto& text : broken) {
        std::string error;
        EXPECT_FALSE(ZKPropertyListParser::parse(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
}

TEST(ZKPropertyListParserTest, DeepNestingIsRefusedNotRecursedInto)
{
    std::string text = "<plist>";
    for (int i = 0; i < 10000; ++i) {
        text += "<dict><key>k</key>";
    }
    std::string error;
    EXPECT_FALSE(ZKPropertyListParser::parse(text, &error));
    EXPECT_EQ(error, "dictionaries nested too deeply");
}

} // namespace
