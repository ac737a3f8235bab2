#include "foundation/NotificationCenter.h"

#include "support/VeltraTest.h"

using platform::Notification;
using platform::NotificationCenter;

class NotificationCenterTest : public testing_support::VeltraTest {
protected:
    NotificationCenter& center = NotificationCenter::defaultCenter();
};

TEST_F(NotificationCenterTest, DeliversByNameAndObjectWithUserInfo)
{
    auto owner = std::make_shared<int>(0);
    auto sender = std::make_shared<int>(1);
    auto other = std::make_shared<int>(2);
    std::vector<std::string> seen;
    center.addObserver(owner, "changed", nullptr, [&](const Notification& n) { seen.push_back("any:" + n.userInfo.value("k", "")); });
    center.addObserver(owner, "changed", sender.get(), [&](const Notification& n) { seen.push_back("sender:" + n.userInfo.value("k", "")); });

    center.post("changed", sender, {{"k", "a"}});
    center.post("changed", other, {{"k", "b"}});
    center.post("unrelated");

    EXPECT_EQ(seen, (std::vector<std::string>{"any:a", "sender:a", "any:b"}));
}

TEST_F(NotificationCenterTest, RemovalByTokenAndByOwner)
{
    auto owner = std::make_shared<int>(0);
    int calls = 0;
    const auto token = center.addObserver(owner, "n", nullptr, [&](const Notification&) { calls += 1; });
    center.addObserver(owner, "n", nullptr, [&](const Notification&) { calls += 10; });
    const auto loose = center.addObserver("n", [&](const Notification&) { calls += 100; });

    center.removeObserver(token);
    center.post("n");
    EXPECT_EQ(calls, 110);

    center.removeObserver(owner.get());
    center.post("n");
    EXPECT_EQ(calls, 210);

    center.removeObserver(loose);
    center.post("n");
    EXPECT_EQ(calls, 210);
}

TEST_F(NotificationCenterTest, DestroyedObserversAndObserversRemovedDuringAPostAreNotCalled)
{
    auto gone = std::make_shared<int>(0);
    auto remover = std::make_shared<int>(0);
    auto victim = std::make_shared<int>(0);
    bool goneCalled = false;
    bool victimCalled = false;
    center.addObserver(gone, "n", nullptr, [&](const Notification&) { goneCalled = true; });
    center.addObserver(remover, "n", nullptr, [&](const Notification&) { center.removeObserver(victim.get()); });
    center.addObserver(victim, "n", nullptr, [&](const Notification&) { victimCalled = true; });
    gone.reset();

    center.post("n");
    EXPECT_FALSE(goneCalled);
    EXPECT_FALSE(victimCalled);
}
