#include "CompiledRules.h"

#include <gtest/gtest.h>

using phonerules::PhoneFormatsWriter;
using phonerules::PhoneRulesError;
using phonerules::PhoneRulesParser;

namespace {

std::uint32_t read32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return bytes.at(offset) | bytes.at(offset + 1) << 8 | bytes.at(offset + 2) << 16 |
           static_cast<std::uint32_t>(bytes.at(offset + 3)) << 24;
}

std::string messageOf(std::string_view rules)
{
    try {
        PhoneRulesParser::parse(rules);
    } catch (const PhoneRulesError& error) {
        return error.what();
    }
    return "";
}

TEST(PhoneRulesParser, NamesTheLineOfEveryFault)
{
    EXPECT_EQ(messageOf("code 1\n  colour red\n"), "line 2: unknown directive \"colour\"");
    EXPECT_EQ(messageOf("access 00\n"), "line 1: \"access\" comes before any \"code\"");
    EXPECT_EQ(messageOf("code 1\nrule 1 2 3 - \"###\"\n"), "line 2: \"rule\" comes before any \"set\"");
    EXPECT_EQ(messageOf("code 1234\n"), "line 1: calling code \"1234\" is not one to three digits");
    EXPECT_EQ(messageOf("code 1\ncode 1\n"), "line 2: calling code 1 appears twice");
    EXPECT_EQ(messageOf("code 1\naccess 0x\n"), "line 2: prefix \"0x\" is not made of digits");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 5 2 3 - \"###\"\n"), "line 3: \"2\" is not a number from 5 to 2147483647");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 3 x \"###\"\n"), "line 3: prefixes \"x\" are not one of -, n, c, nc");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 3 - \"###\n"), "line 3: a quoted format is not closed");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 3 - ###\n"), "line 3: the format must be quoted");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 4 - \"###\"\n"), "line 3: the format has fewer \"#\" than maxLen 4");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 3 - \"### [[x\"\n"), "line 3: \"[[\" is not closed by \"]]\"");
    EXPECT_EQ(messageOf("code 1\nset 1\nrule 1 2 3 c \"c c ###\"\n"), "line 3: a prefix slot appears more than once");
}

TEST(PhoneRulesParser, ReadsQuotedFormatsWithEscapesAndSkipsComments)
{
    const auto source = PhoneRulesParser::parse("# note \"unclosed\n\tcode 7 \r\n set 1\n"
                                                "  rule 3 9 3 nc \"n \\\"###\\\" \\\\\"\n");
    ASSERT_EQ(source.callingCodes.size(), 1u);
    const auto& rule = source.callingCodes[0].ruleSets.at(0).rules.at(0);
    EXPECT_EQ(rule.format, "n \"###\" \\");
    EXPECT_EQ(rule.prefixBits, phonerules::kTrunkPrefixBit | phonerules::kIntlPrefixBit);
}

TEST(PhoneFormatsWriter, SharedCallingCodesPointToOneBlock)
{
    const auto bytes = signers_tests::sampleRulesFile();
    ASSERT_EQ(read32(bytes, 0), 4u);
    const auto field = [&](std::size_t offset) { return std::string(reinterpret_cast<const char*>(&bytes[offset])); };
    EXPECT_EQ(field(4), "1");
    EXPECT_EQ(field(8), "us");
    EXPECT_EQ(field(16), "1");
    EXPECT_EQ(field(20), "ca");
    EXPECT_EQ(read32(bytes, 12), 0u);
    EXPECT_EQ(read32(bytes, 24), 0u);
    EXPECT_EQ(field(32), "gb");
    EXPECT_EQ(read32(bytes, 36), read32(bytes, 48));
    EXPECT_GT(read32(bytes, 36), 0u);
}

TEST(PhoneFormatsWriter, RefusesWhatTheLayoutCannotHold)
{
    const auto source = PhoneRulesParser::parse("code 7\n");
    EXPECT_THROW(PhoneFormatsWriter::write(source, {{"us", "1", {}}}), PhoneRulesError);
    EXPECT_THROW(PhoneFormatsWriter::write({}, {{"usa", "1", {}}}), PhoneRulesError);
    EXPECT_THROW(PhoneFormatsWriter::write({}, {{"us", "1234", {}}}), PhoneRulesError);
    EXPECT_NO_THROW(PhoneFormatsWriter::write(source, {{"ru", "7", {"8"}}}));
}

} // namespace
