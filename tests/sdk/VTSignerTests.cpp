#include "support/VeltraTest.h"

#include "sdk/VTSigner.h"

namespace {

class VTSignerTest : public testing_support::VeltraTest {};

TEST_F(VTSignerTest, AbsentValuesBecomeEmptyStrings)
{
    const auto signer = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ada", std::nullopt, "ada@example.com", std::nullopt, std::nullopt, "signer0");
    EXPECT_EQ(signer->firstName(), "Ada");
    EXPECT_EQ(signer->lastName(), "");
    EXPECT_EQ(signer->company(), "");
    EXPECT_EQ(signer->title(), "");
    EXPECT_EQ(signer->role(), "signer0");
    EXPECT_FALSE(signer->authenticationDict().has_value());
}

TEST_F(VTSignerTest, AuthenticationSettersWriteTheDictionaryForm)
{
    VTSigner signer;
    signer.setAuthenticationEmail();
    EXPECT_EQ(signer.authenticationDict(), Dictionary({{"type", "email"}}));

    signer.setAuthenticationSMStoCellphone(std::nullopt);
    EXPECT_EQ(signer.authenticationDict()->dump(), R"({"type":"SMS"})");
    signer.setAuthenticationSMStoCellphone("+1 555 0100");
    EXPECT_EQ(signer.authenticationDict()->dump(), R"({"type":"SMS","cellphone":"+1 555 0100"})");

    signer.setAuthenticationQandAQuestion1Answer1MaskAnswer1Question2Answer2MaskAnswer2("Pet?", "", false, std::nullopt,
                                                                                       std::nullopt, false);
    EXPECT_EQ(signer.authenticationDict()->dump(),
              R"({"type":"QandA","question1":"Pet?","answer1":"","maskAnaswer1":false,"maskAnaswer2":false})");

    signer.setAuthenticationQandAQuestion1Answer1MaskAnswer1Question2Answer2MaskAnswer2("Q1", "A1", true, "Q2", "A2",
                                                                                       true);
    EXPECT_EQ(signer.authenticationDict()->dump(),
              R"({"type":"QandA","question1":"Q1","answer1":"A1","maskAnaswer1":true,"question2":"Q2","answer2":"A2","maskAnaswer2":true})");
}

TEST_F(VTSignerTest, UpdateTrimsTextAndIgnoresValuesOfTheWrongType)
{
    VTSigner signer("Old", "Name", "old@example.com", "Co", "Boss", "signer3");
    signer.setAllowChangeSigners(true);
    signer.updatewithDictionary({{"firstName", "  Grace\t"},
                                 {"lastName", 42},
                                 {"email", " grace@example.com "},
                                 {"company", "\u00a0Navy "},
                                 {"emailMessage", "  Hello  "},
                                 {"allowChangeSigners", false}});
    EXPECT_EQ(signer.firstName(), "Grace");
    EXPECT_EQ(signer.lastName(), "Name");
    EXPECT_EQ(signer.email(), "grace@example.com");
    EXPECT_EQ(signer.company(), "Navy");
    EXPECT_EQ(signer.title(), "Boss");
    EXPECT_EQ(signer.emailMessage(), "Hello");
    EXPECT_FALSE(signer.allowChangeSigners());
    EXPECT_EQ(signer.role(), "signer3");

    signer.updatewithDictionary({{"role", "group-17"}, {"allowChangeSigners", "yes"}});
    EXPECT_EQ(signer.role(), "group-17");
    EXPECT_FALSE(signer.allowChangeSigners());

    signer.updatewithDictionary(Dictionary::array({1, 2}));
    EXPECT_EQ(signer.firstName(), "Grace");
}

} // namespace
