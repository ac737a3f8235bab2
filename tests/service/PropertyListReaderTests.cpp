#include "service/PropertyListReader.h"

#include "BinaryPropertyList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(PropertyListReader, ReadsTheXmlForm)
{
    const auto plist = PropertyListReader::read(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<!-- server settings -->
<plist version="1.0">
<dict>
    <key>name</key>
    <string>a &lt;b&gt; &quot;c&quot; &apos;d&apos; &#233;&#x1F600;</string>
    <key>empty</key><string/>
    <key>count</key><integer>-42</integer>
    <key>big</key><integer>9223372036854775807</integer>
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

TEST(PropertyListReader, ReadsTheBinaryForm)
{
    const auto plist = PropertyListReader::read(service_tests::kBinaryPropertyList);
    ASSERT_TRUE(plist);
    EXPECT_EQ(*plist, Dictionary({{"requestTimeout", 12},
                                  {"skew", -7},
                                  {"ratio", 0.5},
                                  {"additionalHeaders", {{"X-Client", "host \xC3\xA9"}}}}));
}

TEST(PropertyListReader, EndsABinaryKeyAtANulCharacter)
{
    // The key "skew" becomes the UTF-16 string "s\0" of the same size.
    std::string bytes = service_tests::kBinaryPropertyList;
    const auto skew = bytes.find("Tskew");
    ASSERT_NE(skew, std::string::npos);
    bytes.replace(skew, 5, std::string("\x62\x00s\x00\x00", 5));
    const auto plist = PropertyListReader::read(bytes);
    ASSERT_TRUE(plist);
    EXPECT_EQ(plist->value("s", 0), -7);
    EXPECT_FALSE(plist->contains("skew"));
}

TEST(PropertyListReader, RefusesWhatItCannotReadWithAMessage)
{
    const std::vector<std::string> refused{
        "",
        "<plist>",
        "not a property list",
        "<plist><array/></plist>",
        "<plist><string>x</string></plist>",
        "<plist><dict><key>a</key><true/></dict></plist>",
        "<plist><dict><key>a</key><array><string>x</string></array></dict></plist>",
        "<plist><dict><key>a</key><data>AAEC</data></dict></plist>",
        "<plist><dict><key>a</key><date>2020-01-01T00:00:00Z</date></dict></plist>",
        "<plist><dict><key>a</key><real>nan</real></dict></plist>",
        "<plist><dict><key>a</key><real>1e999</real></dict></plist>",
        "<plist><dict><key>a</key><string>&bogus;</string></dict></plist>",
        "<plist><dict><key>a</key><string>&#xD800;</string></dict></plist>",
        "<plist><dict><key>a</key><string>x</strin></dict></plist>",
        "<plist><dict><key>\xFF</key><string>x</string></dict></plist>",
        service_tests::kBinaryPropertyList.substr(0, 100),
    };
    for (const auto& bytes : refused) {
        std::string error;
        EXPECT_FALSE(PropertyListReader::read(bytes, &error)) << bytes;
        EXPECT_FALSE(error.empty()) << bytes;
    }
}

TEST(PropertyListReader, RefusesDeepNesting)
{
    std::string text = "<plist>";
    for (int i = 0; i < 1000; ++i) {
        text += "<dict><key>k</key>";
    }
    text += "<string>x</string>";
    for (int i = 0; i < 1000; ++i) {
        text += "</dict>";
    }
    text += "</plist>";
    std::string error;
    EXPECT_FALSE(PropertyListReader::read(text, &error));
    EXPECT_EQ(error, "dictionaries nested too deeply");
}

} // namespace
