#include "signers/screens/SignerInputDictionary.h"

#include <gtest/gtest.h>

namespace {

using Settings = SignerInputDictionary::Settings;

TEST(SignerInputDictionaryTest, APersonKeepsItsTextsAsTypedAndLeavesOutWhatIsNotSet)
{
    const auto input = SignerInputDictionary::forPerson({" Ann ", "Lee", "ann@example.com", "", "Buyer"},
                                                        Settings{std::nullopt, false, SignerAuthenticationMethod::None{}});
    EXPECT_EQ(input, (Dictionary{{"firstName", " Ann "},
                                 {"lastName", "Lee"},
                                 {"email", "ann@example.com"},
                                 {"company", ""},
                                 {"title", "Buyer"},
                                 {"allowSignerChange", false}}));

    const auto withOptions = SignerInputDictionary::forPerson(
        {"Ann", "Lee", "ann@example.com", "", ""}, Settings{"", true, SignerAuthenticationMethod::SMS{std::nullopt}});
    EXPECT_EQ(withOptions["emailMessage"], "") << "an emptied message is still written";
    EXPECT_EQ(withOptions["allowSignerChange"], true);
    EXPECT_EQ(withOptions["authentication"], (Dictionary{{"type", "SMS"}}));
}

TEST(SignerInputDictionaryTest, AGroupCarriesItsAddressTwiceAndItsIdAsRole)
{
    const ZKGroup group("G1", true, "Legal", "legal@groups.veltra.com");
    const auto input =
        SignerInputDictionary::forGroup(group, Settings{"Hello", false, SignerAuthenticationMethod::Email{}});
    EXPECT_EQ(input, (Dictionary{{"group", true},
                                 {"firstName", "Legal"},
                                 {"email", "legal@groups.veltra.com"},
                                 {"title", "legal@groups.veltra.com"},
                                 {"role", "G1"},
                                 {"isCurrentSignerMember", true},
                                 {"emailMessage", "Hello"},
                                 {"allowSignerChange", false},
                                 {"authentication", {{"type", "email"}}}}));
}

} // namespace
