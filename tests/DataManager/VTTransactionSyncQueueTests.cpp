#include "DataManagerTest.h"

#include "DataManager/VTTransactionSyncQueue.h"
#include "foundation/UserDefaults.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "service/ZKReachability.h"

#include <thread>
#include <vector>

namespace {

struct RecordingDelegate : VeltraSynchronizationQueueDelegate, VTSynchronizationResultDelegate {
    void didAddTransactionToSynchronizationQueue(const std::string& guid) override { added.push_back(guid); }
    void didSynchronizeTransaction(const Dictionary& details) override { synchronized.push_back(details); }
    void synchronizingFailedForTransaction(const Dictionary& details) override { failed.push_back(details); }

    std::size_t finished() const { return synchronized.size() + failed.size(); }

    std::vector<std::string> added;
    std::vector<Dictionary> synchronized;
    std::vector<Dictionary> failed;
};

class VTTransactionSyncQueueTest : public DataManagerTest {
protected:
    void SetUp() override
    {
        DataManagerTest::SetUp();
        signIn();
        ZKTransactionManager::sharedInstance();
        queue()->setSynchronizationDelegate(delegate);
        queue()->setResultDelegate(delegate);
    }

    static std::shared_ptr<VTTransactionSyncQueue> queue() { return VTTransactionSyncQueue::sharedInstance(); }

    bool waitForFinished(std::size_t count)
    {
        return waitFor([&] { return delegate->finished() >= count; });
    }

    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
};

TEST_F(VTTransactionSyncQueueTest, ALocalDraftIsCreatedOnTheServiceAndTakesItsIdentifiers)
{
    const auto transaction = storeTransaction(localDraft("LOCAL"));
    ZKTransactionManager::sharedInstance()->setTransaction(transaction);

    EXPECT_TRUE(queue()->addTransaction(std::string("LOCAL")));
    EXPECT_EQ(delegate->added, std::vector<std::string>{"LOCAL"});
    ASSERT_TRUE(waitForFinished(1));
    ASSERT_EQ(delegate->synchronized.size(), 1u) << delegate->failed.at(0).dump();

    const auto guid = delegate->synchronized[0]["guid"].get<std::string>();
    EXPECT_EQ(delegate->synchronized[0]["localGuid"], "LOCAL");
    const auto package = service.package(guid);
    ASSERT_TRUE(package);
    EXPECT_EQ((*package)["name"], "Lease");
    EXPECT_EQ((*package)["roles"].size(), 2u);
    EXPECT_EQ((*package)["roles"][0]["signer"]["email"], "ann@example.com");
    ASSERT_EQ(service.packageFiles(guid).size(), 1u);
    EXPECT_EQ(service.packageFiles(guid)[0].content, kPdf);
    EXPECT_EQ(service.packageFiles(guid)[0].fileName, "Lease.pdf");

    // Every local identifier is replaced by the service's, references included.
    EXPECT_EQ(transaction->guid(), guid);
    EXPECT_EQ(ZKTransactionManager::sharedInstance()->transactionID(), guid);
    EXPECT_FALSE(transaction->local());
    EXPECT_FALSE(transaction->predefinedActions()->createOnServer());
    const auto& document = transaction->documents().at(0);
    EXPECT_EQ(document->ident(), (*package)["documents"][0]["id"]);
    const auto& fields = (*package)["documents"][0]["fields"];
    EXPECT_EQ(document->elements()[1]->ident(), fields[1]["id"]);
    EXPECT_EQ(document->elements()[1]->approval(), fields[0]["id"].get<std::string>());
    EXPECT_EQ(document->elements()[1]->roles(), std::vector<std::string>{transaction->participants()[1]->uid()});
    EXPECT_EQ(transaction->participants()[1]->uid(), (*package)["roles"][1]["id"]);

    // ... in the store and on disk too.
    const auto onDisk = ZKCoreDataManager::open(store().file()).manager;
    ASSERT_TRUE(onDisk);
    const auto reloaded = onDisk->transactionWithGuid(guid);
    ASSERT_TRUE(reloaded);
    EXPECT_FALSE(onDisk->transactionWithGuid("LOCAL"));
    EXPECT_EQ(reloaded->documents().at(0)->elements()[0]->roles(), std::vector<std::string>{reloaded->participants()[0]->uid()});
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) / "lease.pdf"));
    EXPECT_FALSE(std::filesystem::exists(ZKFileManager::folderPathForTransactionWithGUID("LOCAL")));
}

TEST_F(VTTransactionSyncQueueTest, ADocumentUploadsUnderTheNameThePackageGivesIt)
{
    // A NUL would cut the upload's file name short while the package kept the whole name.
    auto draft = localDraft("LOCAL");
    draft["documents"][0]["name"] = std::string("Lease\0\u202Eexe.pdf", 16);
    storeTransaction(draft);
    ASSERT_TRUE(queue()->addTransaction(std::string("LOCAL")));
    ASSERT_TRUE(waitForFinished(1));
    ASSERT_EQ(delegate->synchronized.size(), 1u) << delegate->failed.at(0).dump();

    const auto guid = delegate->synchronized[0]["guid"].get<std::string>();
    EXPECT_EQ((*service.package(guid))["documents"][0]["name"], "Leaseexe.pdf");
    ASSERT_EQ(service.packageFiles(guid).size(), 1u);
    EXPECT_EQ(service.packageFiles(guid)[0].fileName, "Leaseexe.pdf");
}

TEST_F(VTTransactionSyncQueueTest, OneTransactionAtATimeWithoutDuplicates)
{
    storeTransaction(localDraft("FIRST"));
    storeTransaction(localDraft("SECOND"));
    service.delay("POST", "/api/packages", 0.3);

    EXPECT_FALSE(queue()->addTransaction(std::nullopt));
    EXPECT_TRUE(queue()->addTransaction(std::string("FIRST")));
    EXPECT_TRUE(queue()->addTransaction(std::string("SECOND")));
    EXPECT_TRUE(queue()->addTransaction(std::string("first")));
    EXPECT_TRUE(queue()->addTransaction(std::string("SECOND")));
    EXPECT_EQ(delegate->added, (std::vector<std::string>{"FIRST", "SECOND"}));
    EXPECT_TRUE(queue()->isSynchronizing());
    EXPECT_EQ(queue()->queuedTransactions(), std::deque<std::string>{"SECOND"});

    ASSERT_TRUE(waitForFinished(2));
    const auto creates = service.requestsTo("POST", "/api/packages");
    ASSERT_EQ(creates.size(), 2u);
    ASSERT_TRUE(creates[0].answered);
    EXPECT_GT(creates[1].arrived, *creates[0].answered) << "the second starts only after the first is answered";
    ASSERT_EQ(delegate->synchronized.size(), 2u);
    EXPECT_EQ(delegate->synchronized[0]["localGuid"], "FIRST");
    EXPECT_EQ(delegate->synchronized[1]["localGuid"], "SECOND");
    EXPECT_FALSE(queue()->isSynchronizing());
}

TEST_F(VTTransactionSyncQueueTest, FailuresLeaveTheTransactionAsItWasAndTheQueueGoesOn)
{
    const auto transaction = storeTransaction(localDraft("LOCAL"));
    storeTransaction(localDraft("NOPDF"), false);
    const std::vector<std::pair<int, std::string>> replies{
        {500, R"({"messageKey": "error.internal", "message": "Down"})"},
        {201, "created"},
        {201, R"({"id": "SERVER"})"},
        {201, R"({"id": "SERVER", "roles": [{"id": "R1"}], "documents": []})"},
    };
    for (const auto& [status, body] : replies) {
        service.respondWith("POST", "/api/packages", status, body, 1);
        const auto before = delegate->finished();
        queue()->addTransaction(std::string("LOCAL"));
        ASSERT_TRUE(waitForFinished(before + 1));
        ASSERT_EQ(delegate->failed.size(), before + 1) << body;
        EXPECT_EQ(delegate->failed.back()["guid"], "LOCAL");
        EXPECT_TRUE(delegate->failed.back()["error"].contains("code"));
        EXPECT_EQ(transaction->guid(), "LOCAL");
        EXPECT_TRUE(transaction->predefinedActions()->createOnServer());
        EXPECT_EQ(transaction->participants()[0]->uid(), "LOCAL-P1");
    }

    const auto requests = service.requestsTo("POST", "/api/packages").size();
    queue()->addTransaction(std::string("NOPDF"));
    queue()->addTransaction(std::string("UNKNOWN"));
    queue()->addTransaction(std::string("LOCAL"));
    ASSERT_TRUE(waitFor([&] { return delegate->synchronized.size() == 1; }));
    EXPECT_EQ(delegate->failed[replies.size()]["error"]["code"], ZKError::documentMissing);
    EXPECT_EQ(delegate->failed[replies.size() + 1]["error"]["code"], ZKError::notFound);
    EXPECT_EQ(service.requestsTo("POST", "/api/packages").size(), requests + 1);
    ASSERT_EQ(delegate->synchronized.size(), 1u);
    EXPECT_EQ(delegate->synchronized[0]["localGuid"], "LOCAL");
}

TEST_F(VTTransactionSyncQueueTest, ATransactionWithNothingToSendCompletesWithoutARequest)
{
    auto dictionary = localDraft("SERVER-SIDE");
    dictionary["local"] = false;
    dictionary["predefinedActions"]["createOnServer"] = false;
    storeTransaction(dictionary);
    queue()->addTransaction(std::string("SERVER-SIDE"));
    ASSERT_TRUE(waitForFinished(1));
    ASSERT_EQ(delegate->synchronized.size(), 1u);
    EXPECT_EQ(delegate->synchronized[0]["guid"], "SERVER-SIDE");
    EXPECT_TRUE(service.requestsTo("POST", "/api/packages").empty());
}

TEST_F(VTTransactionSyncQueueTest, WaitsWhileNotAllowedOrOfflineAndResumesByItselfWhenBothHold)
{
    for (int index = 0; index < 100; ++index) {
        auto nothingToSend = localDraft("SERVER-" + std::to_string(index));
        nothingToSend["local"] = false;
        nothingToSend["predefinedActions"]["createOnServer"] = false;
        storeTransaction(nothingToSend, false);
    }
    storeTransaction(localDraft("LOCAL"));
    auto& defaults = platform::UserDefaults::standard();
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, false);
    for (int index = 0; index < 100; ++index) {
        queue()->addTransaction("SERVER-" + std::to_string(index));
    }
    queue()->addTransaction(std::string("LOCAL"));
    EXPECT_FALSE(queue()->isSynchronizing());
    EXPECT_EQ(queue()->queuedTransactions().size(), 101u);

    // Allowed again, but only over Wi-Fi, and the device is offline: still waiting.
    ZKReachability::sharedInstance()->setStatus(false, false);
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeOnWifiOnlyKey, true);
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, true);
    ZKReachability::sharedInstance()->setStatus(true, false);
    EXPECT_FALSE(queue()->isSynchronizing());
    EXPECT_EQ(queue()->queuedTransactions().size(), 101u);

    // Wi-Fi comes, reported on the reachability's own thread.
    std::thread([] { ZKReachability::sharedInstance()->setStatus(true, true); }).join();
    ASSERT_TRUE(waitForFinished(101));
    EXPECT_EQ(delegate->synchronized.size(), 101u);
    EXPECT_TRUE(queue()->queuedTransactions().empty());

    // Switching Wi-Fi-only off starts a queue held back by it.
    storeTransaction(localDraft("LATER"));
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, false);
    ZKReachability::sharedInstance()->setStatus(true, false);
    queue()->addTransaction(std::string("LATER"));
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, true);
    EXPECT_FALSE(queue()->isSynchronizing());
    defaults.setBool(VTTransactionSyncQueue::kSynchronizeOnWifiOnlyKey, false);
    EXPECT_TRUE(queue()->isSynchronizing());
    ASSERT_TRUE(waitForFinished(102));
    EXPECT_EQ(delegate->synchronized.size(), 102u);
}

TEST_F(VTTransactionSyncQueueTest, AQueueOfFiftyThousandThatFinishAtOnceDrainsWithoutGrowingTheStack)
{
    constexpr std::size_t kCount = 50'000;
    platform::UserDefaults::standard().setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, false);
    for (std::size_t index = 0; index < kCount; ++index) {
        queue()->addTransaction("GONE-" + std::to_string(index));
    }
    queue()->addTransaction(std::string("gone-0"));
    ASSERT_EQ(queue()->queuedTransactions().size(), kCount) << "GUIDs match ignoring case";

    platform::UserDefaults::standard().setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, true);
    EXPECT_EQ(delegate->failed.size(), kCount);
    EXPECT_EQ(delegate->failed.back()["guid"], "GONE-" + std::to_string(kCount - 1));
    EXPECT_FALSE(queue()->isSynchronizing());
    EXPECT_TRUE(queue()->queuedTransactions().empty());
    EXPECT_TRUE(queue()->failedTransactions().empty()) << "none of them is stored, so none is kept";
}

TEST_F(VTTransactionSyncQueueTest, AFailedTransactionWaitsForTheNextStartAndOneNoLongerStoredIsDropped)
{
    storeTransaction(localDraft("LOCAL"));
    const auto doomed = storeTransaction(localDraft("DOOMED"));
    service.respondWith("POST", "/api/packages", 500, R"({"message": "Down"})", 2);
    queue()->addTransaction(std::string("LOCAL"));
    queue()->addTransaction(std::string("DOOMED"));
    ASSERT_TRUE(waitForFinished(2));
    EXPECT_EQ(queue()->failedTransactions(), (std::deque<std::string>{"LOCAL", "DOOMED"}));

    // No retry until something starts the queue.
    platform::RunLoop::main().advanceUntil([] { return false; }, 0.2);
    EXPECT_EQ(service.requestsTo("POST", "/api/packages").size(), 2u);
    EXPECT_EQ(delegate->finished(), 2u);

    // Each start tries them again and each failure is told.
    service.respondWith("POST", "/api/packages", 500, R"({"message": "Down"})", 2);
    ZKReachability::sharedInstance()->setStatus(false, false);
    ZKReachability::sharedInstance()->setStatus(true, true);
    ASSERT_TRUE(waitForFinished(4));
    EXPECT_EQ(delegate->failed.size(), 4u);
    EXPECT_EQ(queue()->failedTransactions().size(), 2u);

    store().deleteObject(doomed);
    ASSERT_FALSE(store().save());
    storeTransaction(localDraft("OTHER"));
    queue()->addTransaction(std::string("OTHER"));
    ASSERT_TRUE(waitFor([&] { return delegate->synchronized.size() == 2; }));
    ASSERT_TRUE(finishBackgroundWork());
    EXPECT_EQ(delegate->synchronized[0]["localGuid"], "OTHER");
    EXPECT_EQ(delegate->synchronized[1]["localGuid"], "LOCAL");
    EXPECT_EQ(delegate->failed.size(), 4u) << "the removed one is dropped without a report";
    EXPECT_TRUE(queue()->failedTransactions().empty());
    EXPECT_EQ(service.requestsTo("POST", "/api/packages").size(), 6u);
}

TEST_F(VTTransactionSyncQueueTest, ClearDataReplacesTheQueueAndKeepsItsDelegates)
{
    storeTransaction(localDraft("LOCAL"));
    platform::UserDefaults::standard().setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, false);
    queue()->addTransaction(std::string("LOCAL"));
    const auto old = queue();

    VTTransactionSyncQueue::clearData();
    EXPECT_NE(queue(), old);
    EXPECT_TRUE(queue()->queuedTransactions().empty());

    platform::UserDefaults::standard().setBool(VTTransactionSyncQueue::kSynchronizeAutomaticallyKey, true);
    old->startSynchronizing();
    EXPECT_FALSE(old->isSynchronizing());
    queue()->addTransaction(std::string("LOCAL"));
    ASSERT_TRUE(waitForFinished(1));
    EXPECT_EQ(delegate->added, (std::vector<std::string>{"LOCAL", "LOCAL"}));
    EXPECT_EQ(delegate->synchronized.size(), 1u);
}

TEST_F(VTTransactionSyncQueueTest, AQueueMadeByClearDataWaitsForTheDraftStillBeingCreated)
{
    storeTransaction(localDraft("LOCAL"));
    service.delay("POST", "/api/packages", 0.3);
    queue()->addTransaction(std::string("LOCAL"));
    ASSERT_TRUE(queue()->isSynchronizing());

    VTTransactionSyncQueue::clearData();
    VTTransactionSyncQueue::clearData();
    queue()->addTransaction(std::string("LOCAL"));
    EXPECT_FALSE(queue()->isSynchronizing()) << "the replaced queue is still creating the draft";

    ASSERT_TRUE(waitForFinished(1));
    ASSERT_TRUE(finishBackgroundWork());
    EXPECT_EQ(service.requestsTo("POST", "/api/packages").size(), 1u);
    ASSERT_EQ(delegate->synchronized.size(), 1u);
    EXPECT_EQ(delegate->synchronized[0]["localGuid"], "LOCAL");
    EXPECT_TRUE(delegate->failed.empty()) << "the created draft is not tried again";
    EXPECT_FALSE(queue()->isSynchronizing());
    EXPECT_TRUE(queue()->queuedTransactions().empty());
}

} // namespace
