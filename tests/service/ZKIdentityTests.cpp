#include "service/ZKIdentity.h"

#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"
#include "support/VeltraTest.h"

namespace {

using ZKIdentityTest = testing_support::VeltraTest;

TEST_F(ZKIdentityTest, TheSignedInUserIsKeptUnderTheIdentityKeysUntilCleared)
{
    auto identity = ZKIdentity::sharedInstance();
    EXPECT_FALSE(identity->email());
    EXPECT_FALSE(identity->uid());

    identity->recordUser({{"uid", 17}, {"email", "ann@example.com"}, {"firstName", "Ann"}, {"lastName", "Lee"},
                          {"title", "CFO"}, {"company", nullptr}});
    const auto stored = [](const char* key) { return platform::UserDefaults::standard().stringForKey(key); };
    EXPECT_EQ(stored("Corvex_FN"), "Ann");
    EXPECT_EQ(stored("Corvex_LN"), "Lee");
    EXPECT_EQ(stored("Corvex_EM"), "ann@example.com");
    EXPECT_EQ(stored("Corvex_TI"), "CFO");
    EXPECT_EQ(stored("Corvex_ID"), "17");
    EXPECT_FALSE(stored("Corvex_CM"));

    platform::SharedInstances::resetAll();
    identity = ZKIdentity::sharedInstance();
    EXPECT_EQ(identity->firstName(), "Ann");
    EXPECT_FALSE(identity->company());

    identity->recordUser({{"email", "bob@example.com"}});
    EXPECT_EQ(identity->email(), "bob@example.com");
    EXPECT_FALSE(identity->firstName()) << "nothing of the previous user stays";

    identity->clear();
    EXPECT_FALSE(identity->email());
    EXPECT_FALSE(stored("Corvex_EM"));
}

} // namespace
