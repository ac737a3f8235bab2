#include "foundation/Bundle.h"
#include "foundation/Environment.h"
#include "foundation/StringsTable.h"
#include "support/LocalizedSDK.h"

#include "support/VeltraTest.h"

#include <fstream>

using platform::StringsTable;

TEST(StringsTableTest, ParsesEntriesCommentsAndEscapes)
{
    const auto table = StringsTable::parse(R"(
        /* block
           comment */
        "plain" = "Value";
        // line comment
        "quote" = "say \"hi\" \\ now";
        "lines"="a\nb\tc";
        "unicode" = "caf\U00E9 \UD83D\UDE00";
        "plain" = "Replaced";
    )");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->lookup("plain"), "Replaced");
    EXPECT_EQ(table->lookup("quote"), "say \"hi\" \\ now");
    EXPECT_EQ(table->lookup("lines"), "a\nb\tc");
    EXPECT_EQ(table->lookup("unicode"), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_FALSE(table->lookup("missing").has_value());
}

TEST(StringsTableTest, MalformedTextIsRejectedWithTheLine)
{
    std::string error;
    EXPECT_FALSE(StringsTable::parse("\"a\" = \"b\";\n\"c\" = \"d\"\n", &error).has_value());
    EXPECT_EQ(error, "expected ';' on line 3");
    EXPECT_FALSE(StringsTable::parse("\"a\" = \"unterminated", &error).has_value());
    EXPECT_FALSE(StringsTable::parse("/* open", &error).has_value());
    EXPECT_FALSE(StringsTable::parse("\"a\" = \"\\U12\";", &error).has_value());
    EXPECT_TRUE(StringsTable::parse("").has_value());
}

class LocalizedSDKTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        const auto resources = home() / "bundle";
        std::filesystem::create_directories(resources);
        std::ofstream(resources / "LocalizableSDK.strings") << "\"Next\" = \"Continue\";\n\"X\" = \"never\";\n";
        platform::Environment::setResourceDirectory(resources);
    }
};

TEST_F(LocalizedSDKTest, LooksUpKeysOfTwoOrMoreCharacters)
{
    EXPECT_EQ(localizedSDK("Next"), "Continue");
    EXPECT_EQ(localizedSDK("Missing key"), "Missing key");
    EXPECT_EQ(localizedSDK("X"), "X");
    EXPECT_EQ(localizedSDK(""), "");
}

TEST_F(LocalizedSDKTest, BundleFindsResourcesByNameAndTypeOnlyInsideItsFolder)
{
    auto& bundle = platform::Bundle::main();
    EXPECT_TRUE(bundle.pathForResource("LocalizableSDK", "strings").has_value());
    EXPECT_FALSE(bundle.pathForResource("LocalizableSDK", "dat").has_value());
    EXPECT_FALSE(bundle.pathForResource("../bundle/LocalizableSDK", "strings").has_value());
    EXPECT_EQ(bundle.localizedString("k", "fallback", "NoSuchTable"), "fallback");
}
