#include "signers/SignerAuthenticationDictionary.h"

#include "support/VeltraTest.h"

#include <vector>

namespace {

using Method = SignerAuthenticationMethod;

std::vector<std::string> keysOf(const Dictionary& dictionary)
{
    std::vector<std::string> keys;
    for (const auto& item : dictionary.items()) {
        keys.push_back(item.key());
    }
    return keys;
}

TEST(SignerAuthenticationDictionary, NoneWritesNothingAndEmptyOrUntypedInputReadsAsNone)
{
    EXPECT_FALSE(generateAuthenticationDictionary(Method::None{}));
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary::object()).is<Method::None>());
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary{{"cellphone", "+1 555"}}).is<Method::None>());
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary{{"type", 1}}).is<Method::None>());
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary(nullptr)).is<Method::None>());
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary::array({"type", "email"})).is<Method::None>());
}

TEST(SignerAuthenticationDictionary, TypeNamesAreMatchedExactly)
{
    EXPECT_EQ(*generateAuthenticationDictionary(Method::Email{}), (Dictionary{{"type", "email"}}));
    EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary{{"type", "email"}}).is<Method::Email>());
    for (const char* type : {"Email", "sms", "qanda", "QandA "}) {
        EXPECT_TRUE(authenticationMethodForInfoWithDict(Dictionary{{"type", type}}).is<Method::None>()) << type;
    }
}

TEST(SignerAuthenticationDictionary, QuestionAndAnswerAlwaysWritesBothMasksAndLeavesOutAbsentStrings)
{
    const auto written = *generateAuthenticationDictionary(Method::QuestionAndAnswer{"Pet?", "Rex", false, {}, {}, false});
    EXPECT_EQ(keysOf(written), (std::vector<std::string>{"type", "maskAnaswer1", "question1", "answer1", "maskAnaswer2"}));
    EXPECT_EQ(written["type"], "QandA");
    EXPECT_EQ(written["maskAnaswer1"], false);
    EXPECT_EQ(written["maskAnaswer2"], false);

    const auto bare = authenticationMethodForInfoWithDict(Dictionary{{"type", "QandA"}});
    ASSERT_TRUE(bare.is<Method::QuestionAndAnswer>());
    EXPECT_EQ(*bare.as<Method::QuestionAndAnswer>(), (Method::QuestionAndAnswer{}));
}

TEST(SignerAuthenticationDictionary, ValuesOfTheWrongKindReadAsAbsent)
{
    const auto read = authenticationMethodForInfoWithDict(
        Dictionary{{"type", "QandA"}, {"question1", 7}, {"answer1", "a"}, {"maskAnaswer1", 1}, {"maskAnswer2", true}});
    EXPECT_EQ(*read.as<Method::QuestionAndAnswer>(), (Method::QuestionAndAnswer{{}, "a", false, {}, {}, false}));
    const auto sms = authenticationMethodForInfoWithDict(Dictionary{{"type", "SMS"}, {"cellphone", 5551234}});
    EXPECT_EQ(*sms.as<Method::SMS>(), Method::SMS{});
}

TEST(SignerAuthenticationDictionary, EveryValueSurvivesAWriteAndARead)
{
    const std::vector<SignerAuthenticationMethod> values{
        Method::Email{},
        Method::SMS{},
        Method::SMS{"+1 415 555 0100"},
        Method::SMS{""},
        Method::QuestionAndAnswer{},
        Method::QuestionAndAnswer{"Pet?", "Rex", true, "City?", "", false},
        Method::QuestionAndAnswer{"", {}, false, {}, "only", true},
    };
    for (const auto& value : values) {
        const auto dictionary = generateAuthenticationDictionary(value);
        ASSERT_TRUE(dictionary);
        EXPECT_EQ(authenticationMethodForInfoWithDict(*dictionary), value) << dictionary->dump();
    }
    EXPECT_EQ(*generateAuthenticationDictionary(Method::SMS{}), (Dictionary{{"type", "SMS"}}));
}

class SignerAuthenticationLabel : public testing_support::VeltraTest {};

TEST_F(SignerAuthenticationLabel, EachMethodHasItsKeyAndNoneClearsTheLabel)
{
    EXPECT_EQ(SignerAuthenticationMethod(Method::QuestionAndAnswer{}).labelKey(), "Q&A");
    EXPECT_EQ(SignerAuthenticationMethod(Method::SMS{}).labelKey(), "SMS");
    EXPECT_EQ(SignerAuthenticationMethod(Method::Email{}).labelKey(), "email");
    EXPECT_FALSE(SignerAuthenticationMethod().labelKey());
    EXPECT_EQ(SignerAuthenticationMethod().displayLabel(), "");
    EXPECT_FALSE(SignerAuthenticationMethod(Method::Email{}).displayLabel().empty());
}

} // namespace
