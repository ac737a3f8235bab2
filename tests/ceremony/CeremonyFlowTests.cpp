#include "store/StoreTestSupport.h"

#include "ceremony/CeremonyFlow.h"
#include "ceremony/SigningFlowRoleUpdate.h"
#include "foundation/NotificationCenter.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"
#include "store/ZKTransactionMapper.h"

namespace {

class CeremonyFlowTest : public store_testing::StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        platform::NotificationCenter::defaultCenter().addObserver(
            observer, SigningFlowRoleUpdate::name, nullptr,
            [this](const platform::Notification& notification) { updates.push_back(notification.userInfo); });
    }

    std::shared_ptr<ZKTransaction> transactionWithParticipants(int participants)
    {
        auto dictionary = store_testing::sampleTransaction("trx", 1, 0, participants);
        dictionary["draft"] = false;
        return std::get<std::shared_ptr<ZKTransaction>>(
            ZKTransactionMapper::transactionFromDictionary(dictionary, *manager));
    }

    static Dictionary update(const std::string& switchId, const std::string& uid)
    {
        return {{SigningFlowRoleUpdate::switchIdKey, switchId},
                {SigningFlowRoleUpdate::roleIdKey, uid},
                {SigningFlowRoleUpdate::roleUidKey, uid}};
    }

    std::shared_ptr<int> observer = std::make_shared<int>();
    std::vector<Dictionary> updates;
};

} // namespace

TEST_F(CeremonyFlowTest, StepsFollowTheParticipantsAndTheFirstIsAnnouncedOnlyWhenTheFlowStarts)
{
    const auto transaction = transactionWithParticipants(3);
    const auto flow = CeremonyFlow::sharedInstance();
    flow->buildStepsForTransaction(transaction);

    ASSERT_EQ(flow->steps().size(), 3u);
    EXPECT_EQ(flow->steps()[1].roleUid(), "role-1");
    EXPECT_EQ(flow->steps()[1].roleIds(), std::vector<std::string>{"role-1"});
    EXPECT_FALSE(flow->steps()[1].completed());
    EXPECT_EQ(flow->currentStepIndex(), 0u);
    EXPECT_EQ(flow->currentRole(), transaction->participants()[0]);
    EXPECT_EQ(flow->displayRolesList(), transaction->participants());
    EXPECT_TRUE(updates.empty());

    flow->start();
    EXPECT_EQ(updates, std::vector<Dictionary>{update("autoSwitched", "role-0")});
}

TEST_F(CeremonyFlowTest, ASwitchIsAnsweredByItsNotificationAndAnUnknownRoleIsRefused)
{
    const auto transaction = transactionWithParticipants(2);
    const auto flow = CeremonyFlow::sharedInstance();
    flow->buildStepsForTransaction(transaction);

    flow->tryToMoveToRoleWithUid("role-1");
    EXPECT_EQ(flow->currentRole(), transaction->participants()[1]);
    flow->tryToMoveToRoleWithUid("role-1");
    flow->tryToMoveToRoleWithUid("nobody");
    EXPECT_EQ(flow->currentRole(), transaction->participants()[1]);

    EXPECT_EQ(updates, (std::vector<Dictionary>{update("manuallySwitched", "role-1"),
                                                update("manuallySwitched", "role-1"),
                                                update("canNotSwitch", "nobody")}));
}

TEST_F(CeremonyFlowTest, WithoutParticipantsOrTransactionThereIsNoStepAndNothingToSwitchTo)
{
    const auto flow = CeremonyFlow::sharedInstance();
    flow->buildStepsForTransaction(transactionWithParticipants(0));
    flow->start();
    EXPECT_TRUE(flow->steps().empty());
    EXPECT_EQ(flow->currentRole(), nullptr);
    EXPECT_TRUE(updates.empty());

    flow->buildStepsForTransaction(nullptr);
    flow->tryToMoveToRoleWithUid("role-0");
    EXPECT_TRUE(flow->displayRolesList().empty());
    EXPECT_EQ(updates, std::vector<Dictionary>{update("canNotSwitch", "role-0")});
}
