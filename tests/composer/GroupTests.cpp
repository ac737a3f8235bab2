#include "ComposerTestSupport.h"

#include "composer/SigningGroupsReply.h"
#include "fakes/FakeServiceTest.h"
#include "foundation/NotificationCenter.h"
#include "service/ZKIdentity.h"
#include "service/ZKReply.h"
#include "service/ZKWebPoster.h"

#include <atomic>

namespace {

using Model = VLTNewTransactionViewModel;

TEST(SigningGroupsReply, OnlyRepliesWithACountBringGroups)
{
    const Dictionary results = Dictionary::array({Dictionary{{"id", "g1"}, {"name", "Legal"}}});
    EXPECT_FALSE(SigningGroupsReply::groupsFrom(Dictionary{{"error", {{"code", 1002}}}}, "a@example.com"));
    EXPECT_FALSE(SigningGroupsReply::groupsFrom(Dictionary{{"count", 0}, {"results", results}}, "a@example.com"));
    EXPECT_FALSE(SigningGroupsReply::groupsFrom(Dictionary{{"results", results}}, "a@example.com"));
    EXPECT_FALSE(SigningGroupsReply::groupsFrom(Dictionary::array(), "a@example.com"));
    const auto loose = SigningGroupsReply::groupsFrom(
        Dictionary{{"count", 3}, {"results", Dictionary::array({Dictionary{{"id", 4}}, "x", Dictionary::object()})}},
        std::nullopt);
    ASSERT_TRUE(loose);
    ASSERT_EQ(loose->size(), 2u);
    EXPECT_EQ((*loose)[0]->groupID(), "");
    EXPECT_FALSE((*loose)[0]->isCurrentSignerMember());
}

TEST(SigningGroupsReply, MembershipIsAnExactEmailMatch)
{
    const Dictionary group{{"members", Dictionary::array({Dictionary{{"email", "ann@example.com"}},
                                                          Dictionary{{"mail", "bo@example.com"}}, 7})}};
    EXPECT_TRUE(Model::isMemberForGroup("ann@example.com", group));
    EXPECT_FALSE(Model::isMemberForGroup("Ann@example.com", group));
    EXPECT_FALSE(Model::isMemberForGroup("bo@example.com", group));
    EXPECT_FALSE(Model::isMemberForGroup("", group));
    EXPECT_FALSE(Model::isMemberForGroup(std::nullopt, group));
}

class GroupFetchTest : public fakes::FakeServiceTest {
protected:
    void SetUp() override
    {
        FakeServiceTest::SetUp();
        signIn();
        ZKIdentity::sharedInstance()->recordUser({{"email", "ann@example.com"}});
        token = platform::NotificationCenter::defaultCenter().addObserver(
            Model::kListOfGroupsDidChangeNotification, [this](const platform::Notification&) {
                ++notifications;
                notifiedOnMainThread = notifiedOnMainThread && platform::RunLoop::main().isMainThread();
            });
    }

    void TearDown() override
    {
        platform::NotificationCenter::defaultCenter().removeObserver(token);
        FakeServiceTest::TearDown();
    }

    platform::NotificationCenter::Token token = 0;
    std::atomic<int> notifications = 0;
    std::atomic<bool> notifiedOnMainThread = true;
};

TEST_F(GroupFetchTest, FetchedGroupsArriveOnTheMainThreadInNameOrder)
{
    service.setGroups(Dictionary::array(
        {Dictionary{{"id", "g2"}, {"name", "Sales"}, {"email", "sales@groups.veltra.com"}, {"members", Dictionary::array()}},
         Dictionary{{"id", "g1"},
                    {"name", "Legal"},
                    {"email", "legal@groups.veltra.com"},
                    {"members", Dictionary::array({Dictionary{{"email", "ann@example.com"}}})}}}));
    const auto model = Model::sharedInstance();
    model->updateGroups();
    ASSERT_TRUE(waitFor([&] { return notifications == 1; }));
    EXPECT_TRUE(notifiedOnMainThread);
    ASSERT_EQ(model->groups().size(), 2u);
    EXPECT_EQ(model->groups()[0]->groupName(), "Legal");
    EXPECT_TRUE(model->groups()[0]->isCurrentSignerMember());
    EXPECT_FALSE(model->groups()[1]->isCurrentSignerMember());

    model->removeAllGroups();
    EXPECT_EQ(notifications, 2);
    EXPECT_TRUE(model->groups().empty());
}

} // namespace
