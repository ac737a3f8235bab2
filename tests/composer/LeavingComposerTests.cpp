#include "ComposerTestSupport.h"

#include "DataManager/VTSynchronizationDelegates.h"
#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "foundation/RunLoop.h"
#include "model/ZKTransaction.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "store/ZKCoreDataManager.h"

#include <filesystem>
#include <fstream>
#include <thread>

namespace {

using composer_testing::ComposerTest;
using composer_testing::person;
using composer_testing::RecordingHostDelegate;
using Model = VLTNewTransactionViewModel;
using Bytes = std::vector<std::uint8_t>;

class QueueWatcher : public VeltraSynchronizationQueueDelegate {
public:
    explicit QueueWatcher(std::shared_ptr<std::vector<std::string>> events) : events(std::move(events)) {}
    void didAddTransactionToSynchronizationQueue(const std::string& guid) override
    {
        events->push_back("queued " + guid);
    }
    std::shared_ptr<std::vector<std::string>> events;
};

class LeavingComposerTest : public ComposerTest {
protected:
    void SetUp() override
    {
        ComposerTest::SetUp();
        signIn("sam@example.com");
        host = std::make_shared<RecordingHostDelegate>(events);
        Veltra::dashboard()->setDelegate(host);
        queueWatcher = std::make_shared<QueueWatcher>(events);
        VTTransactionSyncQueue::sharedInstance()->setSynchronizationDelegate(queueWatcher);
    }

    // A composed transaction: a name, one PDF (a readable one unless asked otherwise),
    // one recipient.
    void compose(const std::string& name, bool readablePdf = true)
    {
        const auto pdf = home() / "offer.pdf";
        if (readablePdf) {
            std::ofstream(pdf) << "%PDF-1.4\n%%EOF\n";
        }
        model->setTitle(name);
        model->addDocument(Dictionary{{"displayName", "offer.pdf"}, {"path", pdf.string()}});
        model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
    }

    std::string commit()
    {
        model->commitUpdatesWithCallback([this](const Dictionary& details) {
            events->push_back("callback");
            committed = details;
        });
        EXPECT_TRUE(committed.contains("guid")) << committed.dump();
        return committed.value("guid", "");
    }

    std::shared_ptr<std::vector<std::string>> events = std::make_shared<std::vector<std::string>>();
    std::shared_ptr<RecordingHostDelegate> host;
    std::shared_ptr<QueueWatcher> queueWatcher;
    Dictionary committed = Dictionary::object();
};

TEST_F(LeavingComposerTest, StartChecksNameThenDocumentsThenRecipients)
{
    model->setTitle("   ");
    compose("  \t ");
    EXPECT_EQ(model->startNewTransaction(), Model::noName);
    EXPECT_EQ(model->title(), "");

    model->clearNewTransactionData();
    model->setTitle(" Offer ");
    EXPECT_EQ(model->startNewTransaction(), Model::noDocuments);
    EXPECT_EQ(model->title(), "Offer");
    model->addDocument(Dictionary{{"displayName", "a.pdf"}, {"path", "/tmp/a.pdf"}});
    EXPECT_EQ(model->startNewTransaction(), Model::noRecipients);
    EXPECT_TRUE(host->details.empty());
}

TEST_F(LeavingComposerTest, AStartedDraftIsReportedWithFixedListingValues)
{
    compose(" Offer ");
    model->setTransactionDescription("For Ann");
    ASSERT_EQ(model->startNewTransaction(), Model::started);
    waitFor([&] { return !host->details.empty(); });
    ASSERT_EQ(host->details.size(), 1u);
    const auto& details = host->details[0];
    std::vector<std::string> keys;
    for (const auto& item : details.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"completed", "desc", "guid", "updated", "prefetched", "sender", "status",
                                              "title", "type", "filterType", "offline", "trashed"}));
    EXPECT_EQ(details["completed"], false);
    EXPECT_EQ(details["prefetched"], true);
    EXPECT_EQ(details["offline"], true);
    EXPECT_EQ(details["trashed"], false);
    EXPECT_EQ(details["filterType"], 6);
    EXPECT_EQ(details["title"], "Offer");
    EXPECT_EQ(details["desc"], "For Ann");
    EXPECT_EQ(details["sender"], (Dictionary{{"email", "sam@example.com"}}));
    EXPECT_TRUE(details["updated"].is_number_integer());
    EXPECT_EQ(details["guid"], model->transactionId());
    EXPECT_TRUE(model->transaction()->draft());
}

TEST_F(LeavingComposerTest, AStartTheBuilderCannotStoreFailsAndLeavesTheBuilderAsItWas)
{
    compose("Offer", false);
    EXPECT_EQ(model->startNewTransaction(), Model::startFailed);
    EXPECT_FALSE(model->transaction()->draft());
    EXPECT_FALSE(model->transactionId());
    EXPECT_TRUE(ZKTransactionManager::sharedInstance()->dataManager()->store()->allTransactions().empty());

    std::ofstream(home() / "offer.pdf") << "%PDF-1.4\n%%EOF\n";
    EXPECT_EQ(model->startNewTransaction(), Model::started);
    EXPECT_TRUE(model->transaction()->draft());
    EXPECT_EQ(host->details.size(), 1u);
}

TEST_F(LeavingComposerTest, TemporaryCopiesGoOnceTheirDocumentsAreStored)
{
    const auto importText = [this](const std::string& name) {
        bool done = false;
        const std::string text = "Terms of the lease";
        model->addDocumentWithNameAtIndexDataAndSizeCompletion(name, 0, Bytes(text.begin(), text.end()), {0, 0},
                                                               [&](const std::optional<Dictionary>&) { done = true; });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return std::filesystem::path(model->displayDataForDocumentWithIndex(0).value("path", std::string()));
    };
    model->setTitle("Lease");
    model->addSignerAtIndex(person("Ann", "Lee", "ann@example.com"), 0);
    const auto closed = importText("lease.txt");
    ASSERT_TRUE(std::filesystem::exists(closed));
    commit();
    EXPECT_FALSE(std::filesystem::exists(closed));
    EXPECT_FALSE(model->dataForDocumentWithIndex(0).value_or(Bytes{}).empty()) << "the stored copy is read instead";

    const auto started = importText("annex.txt");
    ASSERT_TRUE(std::filesystem::exists(started));
    ASSERT_EQ(model->startNewTransaction(), Model::started);
    EXPECT_FALSE(std::filesystem::exists(started));
    EXPECT_FALSE(model->dataForDocumentWithIndex(0).value_or(Bytes{}).empty());
}

TEST_F(LeavingComposerTest, CommitTellsTheHostThenTheCallerThenQueuesATenthOfASecondLater)
{
    compose("Offer");
    const std::string guid = commit();
    EXPECT_EQ(*events, (std::vector<std::string>{"didCreateLocalDraftWithDetails", "callback"}));
    EXPECT_EQ(committed["sender"], (Dictionary{{"email", "sam@example.com"}}));
    ASSERT_EQ(host->details.size(), 1u);
    EXPECT_EQ(host->details[0], committed);

    platform::RunLoop::main().advance(0.09);
    EXPECT_EQ(events->size(), 2u);
    platform::RunLoop::main().advance(0.02);
    // What the synchronisation itself reports afterwards does not matter here.
    ASSERT_GE(events->size(), 3u);
    EXPECT_EQ((*events)[2], "queued " + guid);
}

TEST_F(LeavingComposerTest, ACommitTheBuilderCannotStoreIsReportedToTheHostAndTheCaller)
{
    compose("Offer", false);
    model->commitUpdatesWithCallback([this](const Dictionary& details) {
        events->push_back("callback");
        committed = details;
    });
    EXPECT_EQ(*events, (std::vector<std::string>{"didFailToStoreLocalDraftWithDetails", "callback"}));
    EXPECT_EQ(committed["status"], "failed");
    EXPECT_TRUE(committed["error"].contains("code")) << committed.dump();
    EXPECT_EQ(host->failures, std::vector<Dictionary>{committed});
    EXPECT_TRUE(host->details.empty());
    platform::RunLoop::main().advance(1);
    EXPECT_EQ(events->size(), 2u) << "nothing to synchronise";
}

TEST_F(LeavingComposerTest, ACommitWithoutANameIsSilent)
{
    compose("  ");
    model->commitUpdatesWithCallback([this](const Dictionary&) { events->push_back("callback"); });
    platform::RunLoop::main().advance(1);
    EXPECT_TRUE(events->empty());
}

TEST_F(LeavingComposerTest, ACommitMadeOffTheMainThreadIsRefusedAndReportedOnTheMainThread)
{
    compose("Offer");
    std::atomic<bool> done = false;
    bool onMainThread = false;
    std::thread worker([&] {
        model->commitUpdatesWithCallback([&](const Dictionary& details) {
            onMainThread = platform::RunLoop::main().isMainThread();
            committed = details;
            done = true;
        });
    });
    EXPECT_TRUE(waitFor([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(committed["error"]["code"], ZKError::wrongThread) << committed.dump();
    EXPECT_EQ(host->failures.size(), 1u);
    EXPECT_TRUE(ZKTransactionManager::sharedInstance()->dataManager()->store()->allTransactions().empty());
}

TEST_F(LeavingComposerTest, ATransactionGoneFromTheStoreCannotBeStarted)
{
    compose("Offer");
    const std::string guid = commit();
    const auto manager = ZKTransactionManager::sharedInstance();
    const auto stored = manager->transactionWithId(guid);
    ASSERT_TRUE(stored);
    const auto store = manager->dataManager()->store();
    store->deleteObject(stored);
    ASSERT_FALSE(store->save());
    EXPECT_EQ(model->startNewTransaction(), Model::transactionNotStored);
}

TEST_F(LeavingComposerTest, AStoredTransactionIsLoadedAndReloadedForEditing)
{
    compose("Offer");
    const std::string guid = commit();

    bool called = false;
    model->setTransactionGUID(std::nullopt);
    model->loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) {
        called = true;
        EXPECT_FALSE(error);
    });
    EXPECT_TRUE(called);

    model->setTransactionGUID(guid);
    EXPECT_FALSE(model->transaction());
    std::optional<std::optional<Dictionary>> loaded;
    model->loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) { loaded = error; });
    ASSERT_TRUE(waitFor([&] { return loaded.has_value(); }));
    EXPECT_FALSE(*loaded);
    EXPECT_EQ(model->transactionId(), guid);
    EXPECT_EQ(model->title(), "Offer");
    EXPECT_EQ(model->signersNumber(), 1);

    model->setTitle("Renamed");
    model->reloadTransaction();
    EXPECT_EQ(model->title(), "Offer");

    std::optional<std::optional<Dictionary>> reloaded;
    model->reloadTransactionWithCallback([&](const std::optional<Dictionary>& error) { reloaded = error; });
    ASSERT_TRUE(waitFor([&] { return reloaded.has_value(); }));
    EXPECT_FALSE(*reloaded);
    EXPECT_EQ(model->documentsNumber(), 1);
}

TEST_F(LeavingComposerTest, AbsentCallbacksAreSkipped)
{
    compose("Offer");
    model->commitUpdatesWithCallback(nullptr);
    ASSERT_EQ(host->details.size(), 1u);
    const std::string guid = host->details[0]["guid"];

    model->setTransactionGUID(std::nullopt);
    model->loadDataForTransactionWithCallback(nullptr);
    model->reloadTransactionWithCallback(nullptr);
    model->setTransactionGUID(guid);
    model->loadDataForTransactionWithCallback(nullptr);
    EXPECT_TRUE(waitFor([&] { return model->transactionId() == guid; }));
    model->setTransactionGUID(guid);
    model->reloadTransactionWithCallback(nullptr);
    EXPECT_TRUE(waitFor([&] { return model->transactionId() == guid; }));
    model->setTransactionGUID("no-such-guid");
    model->loadDataForTransactionWithCallback(nullptr);
    platform::RunLoop::main().runUntilIdle();

    model->clearNewTransactionData();
    compose("Offer", false);
    std::filesystem::remove(home() / "offer.pdf");
    model->commitUpdatesWithCallback(nullptr);
    EXPECT_EQ(host->failures.size(), 1u);
}

TEST_F(LeavingComposerTest, AFailedLoadReportsTheErrorAndKeepsWaitingForTheTransaction)
{
    model->setTransactionGUID("no-such-guid");
    std::optional<std::optional<Dictionary>> loaded;
    model->loadDataForTransactionWithCallback([&](const std::optional<Dictionary>& error) { loaded = error; });
    ASSERT_TRUE(waitFor([&] { return loaded.has_value(); }));
    ASSERT_TRUE(*loaded);
    EXPECT_TRUE((**loaded).contains("code"));
    EXPECT_FALSE(model->transaction());

    bool called = false;
    model->loadDataForTransactionWithGUIDWithCallback("no-such-guid", [&] { called = true; });
    ASSERT_TRUE(waitFor([&] { return called; }));
    EXPECT_FALSE(model->transaction());
}

} // namespace
