#include "SdkTest.h"

#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "foundation/SharedInstances.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "model/ZKDocument.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "store/SqliteDatabase.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"

#include <filesystem>
#include <thread>

namespace {

using sdk_test::SdkTest;

class VTTransactionStoreTest : public SdkTest {
protected:
    void SetUp() override
    {
        SdkTest::SetUp();
        Veltra::dashboard()->setRootViewController(root);
    }

    std::shared_ptr<VTTransaction> composed()
    {
        auto transaction = std::make_shared<VTTransaction>();
        transaction->setName("Lease");
        transaction->setDesc("Flat 4");
        transaction->setEmailMessage("Please sign");
        transaction->setExpiry(platform::Date(2000000000));
        transaction->addDocument(VTDocument::initWithNameAndPath("Lease.pdf", writePdf("lease.pdf")));
        transaction->addDocument(VTDocument::initWithNameAndPath("Annex", writePdf("annex.pdf")));
        auto tenant = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("Tia", "Tenant", "tia@example.com",
                                                                                 "", "", "signer0");
        tenant->setAuthenticationSMStoCellphone("+1 555 0100");
        tenant->setEmailMessage("Hi Tia");
        auto owner = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("Olaf", "Owner", "olaf@example.com",
                                                                                "Acme", "CEO", "signer1");
        owner->setAuthenticationEmail();
        transaction->addSigner(tenant);
        transaction->addSigner(owner);
        return transaction;
    }

    static Dictionary start(VTTransaction& transaction)
    {
        Dictionary reply;
        int calls = 0;
        transaction.startEditingWithCallback([&](const Dictionary& result) {
            reply = result;
            ++calls;
        });
        EXPECT_EQ(calls, 1);
        return reply;
    }

    static std::optional<Dictionary> commit(VTTransaction& transaction)
    {
        std::optional<Dictionary> reply;
        transaction.commitUpdatesWithCallback([&](const Dictionary& result) { reply = result; });
        return reply;
    }

    static void runSql(const std::string& sql)
    {
        auto status = SqliteDatabase::OpenStatus::cannotOpen;
        std::string message;
        const auto database = SqliteDatabase::open(ZKCoreDataManager::defaultStorePath(), status, message);
        ASSERT_TRUE(database) << message;
        ASSERT_TRUE(database->execute(sql)) << database->lastErrorMessage();
    }

    // Another writer makes the store refuse deleting rows of `table`, until allowed again.
    static void refuseDeletingFrom(const std::string& table)
    {
        runSql("CREATE TRIGGER refuse_" + table + " BEFORE DELETE ON " + table +
               " BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }

    static void allowDeletingFrom(const std::string& table) { runSql("DROP TRIGGER refuse_" + table); }

    static std::size_t storedCount()
    {
        return ZKTransactionManager::sharedInstance()->dataManager()->store()->allTransactions().size();
    }
};

TEST_F(VTTransactionStoreTest, StartStoresALocalDraftAndOpensItOnTheHub)
{
    auto transaction = composed();
    const auto reply = start(*transaction);

    ASSERT_EQ(reply["status"], "success") << reply.dump();
    const auto guid = reply["guid"].get<std::string>();
    EXPECT_EQ(transaction->guid(), guid);
    EXPECT_TRUE(transaction->draft());
    EXPECT_EQ(reply["transaction"], (Dictionary{{"guid", guid},
                                                {"desc", "Flat 4"},
                                                {"name", "Lease"},
                                                {"status", "draft"},
                                                {"type", "PACKAGE"},
                                                {"due", 2000000000.0}}));

    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    ASSERT_TRUE(stored);
    EXPECT_TRUE(stored->draft());
    EXPECT_TRUE(stored->local());
    EXPECT_TRUE(stored->predefinedActions()->createOnServer());
    EXPECT_EQ(stored->emailMessage(), "Please sign");
    ASSERT_EQ(stored->participants().size(), 2u);
    EXPECT_EQ(stored->participants()[0]->uid(), "signer0");
    EXPECT_EQ(stored->participants()[0]->authentication(),
              (Dictionary{{"type", "SMS"}, {"cellphone", "+1 555 0100"}}));
    EXPECT_EQ(stored->participants()[0]->emailMessage(), "Hi Tia");
    EXPECT_EQ(stored->participants()[1]->company(), "Acme");
    ASSERT_EQ(stored->documents().size(), 2u);
    EXPECT_EQ(stored->documents()[1]->name(), "Annex");
    EXPECT_EQ(storedFiles().size(), 2u);
    EXPECT_EQ(transaction->documents()[0]->data(), VTDocument("x", (home() / "lease.pdf").string()).data());

    EXPECT_EQ(ZKTransactionManager::sharedInstance()->transaction(), stored);
    const auto hub = ZKCTouchManager::sharedInstance()->mainVController();
    ASSERT_TRUE(hub);
    EXPECT_EQ(root->presentedViewController(), hub);
    EXPECT_EQ(hub->transaction(), stored);

    // The same data comes back after the store is opened again from its file.
    platform::SharedInstances::resetAll();
    auto rebuilt = VTTransaction::transactionForGUID(guid);
    ASSERT_TRUE(rebuilt);
    EXPECT_EQ(rebuilt->name(), "Lease");
    EXPECT_EQ(rebuilt->expiry(), platform::Date(2000000000));
    ASSERT_EQ(rebuilt->signers().size(), 2u);
    EXPECT_EQ(rebuilt->signers()[0]->authenticationDict(), transaction->signers()[0]->authenticationDict());
    EXPECT_EQ(rebuilt->signers()[0]->emailMessage(), "Hi Tia");
    EXPECT_EQ(rebuilt->signers()[1]->role(), "signer1");
    ASSERT_EQ(rebuilt->documents().size(), 2u);
    EXPECT_EQ(rebuilt->documents()[0]->name(), "Lease.pdf");
    EXPECT_FALSE(rebuilt->documents()[0]->data().empty());
}

TEST_F(VTTransactionStoreTest, AStartWithABadDocumentFailsAndStoresNothing)
{
    for (const auto& path : {std::string("/no/such/file.pdf"), writeFile("notes.pdf", "just text"), std::string()}) {
        auto transaction = composed();
        transaction->addDocument(VTDocument::initWithNameAndPath("Bad", path));
        const auto reply = start(*transaction);
        EXPECT_EQ(reply["status"], "failed") << path;
        EXPECT_EQ(reply["error"]["code"], ZKError::documentMissing);
        EXPECT_FALSE(reply.contains("transaction"));
        EXPECT_FALSE(transaction->guid());
        EXPECT_TRUE(transaction->documents().back()->data().empty());
    }
    EXPECT_EQ(storedCount(), 0u);
    EXPECT_TRUE(storedFiles().empty());
    EXPECT_FALSE(root->presentedViewController());
}

TEST_F(VTTransactionStoreTest, CommitStoresANewTransactionThenWritesEdits)
{
    auto transaction = composed();
    const auto first = commit(*transaction);
    ASSERT_TRUE(first);
    ASSERT_EQ((*first)["status"], "success") << first->dump();
    const auto guid = (*first)["guid"].get<std::string>();
    auto stored = ZKTransaction::transactionWithGIUD(guid);
    ASSERT_TRUE(stored);
    EXPECT_FALSE(stored->draft());
    EXPECT_FALSE(root->presentedViewController());

    transaction->setName("Lease 2");
    transaction->setInPerson(true);
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("New", "One", "n@example.com",
                                                                                      "", "", "signer0"));
    const auto second = commit(*transaction);
    ASSERT_TRUE(second);
    EXPECT_EQ((*second)["guid"], guid);
    EXPECT_EQ((*second)["transaction"]["name"], "Lease 2");
    EXPECT_EQ(storedCount(), 1u);
    EXPECT_TRUE(stored->inPerson());
    ASSERT_EQ(stored->participants().size(), 3u);
    EXPECT_EQ(stored->participants()[2]->uid(), "signer2") << "a taken role gets a free one";
    EXPECT_EQ(transaction->signers()[2]->role(), "signer2");
}

TEST_F(VTTransactionStoreTest, FailedEditsAreNotWrittenByALaterSave)
{
    auto transaction = composed();
    const auto first = commit(*transaction);
    ASSERT_TRUE(first);
    const auto guid = (*first)["guid"].get<std::string>();
    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    ASSERT_TRUE(stored);

    // Another writer makes the store refuse one recipient's row.
    runSql("CREATE TRIGGER refuse BEFORE INSERT ON participants WHEN NEW.email = 'refused@example.com' "
           "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    transaction->setName("Lease 2");
    transaction->addDocument(VTDocument::initWithNameAndPath("Extra", writePdf("extra.pdf")));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ref", "Used", "refused@example.com", "", "", "signer2"));
    const auto failed = commit(*transaction);
    ASSERT_TRUE(failed);
    EXPECT_NE((*failed)["status"], "success") << failed->dump();
    runSql("DROP TRIGGER refuse");

    // An unrelated change is saved.
    ASSERT_TRUE(stored->setLocal());

    const auto later = ZKCoreDataManager::openDefault().manager->transactionWithGuid(guid);
    ASSERT_TRUE(later);
    EXPECT_EQ(later->name(), "Lease");
    EXPECT_EQ(later->participants().size(), 2u);
    ASSERT_EQ(later->documents().size(), 2u);
    for (const auto& document : later->documents()) {
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) / document->fileName()))
            << document->name();
    }
    EXPECT_EQ(stored->name(), "Lease") << "memory agrees with the store";
}

// A document the composer copied into its temporary folder is stored without being
// written again: a refused save leaves the copy as it was, a stored one outlives it.
TEST_F(VTTransactionStoreTest, TemporaryCopiesSurviveARefusedSaveAndTheStoredFileOutlivesThem)
{
    const std::filesystem::path folder = *ZKFileManager::sharedInstance()->createEmptyTemporaryFolder();
    const auto copy = folder / "offer.pdf";
    std::filesystem::rename(writePdf("offer.pdf"), copy);
    const auto bytes = VTDocument("Offer", copy.string()).data();
    ASSERT_FALSE(bytes.empty());
    auto transaction = composed();
    ASSERT_TRUE(commit(*transaction));
    transaction->addDocument(VTDocument::initWithNameAndPath("Offer", copy.string()));
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Ref", "Used", "refused@example.com", "", "", "signer2"));

    runSql("CREATE TRIGGER refuse BEFORE INSERT ON participants WHEN NEW.email = 'refused@example.com' "
           "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const auto refused = commit(*transaction);
    ASSERT_TRUE(refused);
    EXPECT_NE((*refused)["status"], "success");
    EXPECT_EQ(VTDocument("Offer", copy.string()).data(), bytes);
    EXPECT_EQ(storedFiles().size(), 3u) << "the first two documents and the temporary copy";

    runSql("DROP TRIGGER refuse");
    const auto stored = commit(*transaction);
    ASSERT_TRUE(stored);
    ASSERT_EQ((*stored)["status"], "success") << stored->dump();
    EXPECT_FALSE(std::filesystem::exists(copy));
    ZKFileManager::sharedInstance()->removeTemporaryFolder();
    EXPECT_EQ(storedFiles().size(), 3u);
    EXPECT_EQ(transaction->documents()[2]->data(), bytes);
    EXPECT_NE(transaction->documents()[2]->pdfPath(), copy.string());
}

TEST_F(VTTransactionStoreTest, CommitWithABlankNameStoresNothingAndDoesNotCallBack)
{
    auto transaction = composed();
    transaction->setName(" \t\n");
    EXPECT_FALSE(commit(*transaction));
    transaction->setName(std::nullopt);
    EXPECT_FALSE(commit(*transaction));
    EXPECT_EQ(storedCount(), 0u);
}

TEST_F(VTTransactionStoreTest, RemovalsFromARebuiltBuilderDeleteTheStoredItems)
{
    auto transaction = composed();
    const auto guid = start(*transaction)["guid"].get<std::string>();
    auto rebuilt = VTTransaction::transactionForGUID(guid);
    ASSERT_TRUE(rebuilt);

    rebuilt->removeSignerWithIndex(0);
    rebuilt->removeDocumentWithIndex(1);
    rebuilt->removeDocumentWithIndex(5);

    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    ASSERT_EQ(stored->participants().size(), 1u);
    EXPECT_EQ(stored->participants()[0]->uid(), "signer1");
    ASSERT_EQ(stored->documents().size(), 1u);
    EXPECT_EQ(stored->documents()[0]->name(), "Lease.pdf");
    EXPECT_EQ(storedFiles().size(), 1u);
    EXPECT_FALSE(stored->store()->hasChanges());

    // An unsaved builder removes in memory only.
    auto fresh = composed();
    fresh->removeSignerWithIndex(0);
    EXPECT_EQ(ZKTransaction::transactionWithGIUD(guid)->participants().size(), 1u);
}

TEST_F(VTTransactionStoreTest, RemovalsTheStoreRefusesAreUndoneForGood)
{
    auto transaction = composed();
    const auto guid = start(*transaction)["guid"].get<std::string>();
    auto rebuilt = VTTransaction::transactionForGUID(guid);
    ASSERT_TRUE(rebuilt);
    const auto stored = ZKTransaction::transactionWithGIUD(guid);

    // Each refusal is followed by an unrelated change that is saved.
    refuseDeletingFrom("participants");
    rebuilt->removeSignerWithIndex(0);
    allowDeletingFrom("participants");
    EXPECT_EQ(stored->participants().size(), 2u) << "memory agrees with the store";
    ASSERT_TRUE(stored->setLocal());

    refuseDeletingFrom("documents");
    rebuilt->removeDocumentWithIndex(1);
    allowDeletingFrom("documents");
    EXPECT_EQ(stored->documents().size(), 2u) << "memory agrees with the store";
    ASSERT_TRUE(stored->setLocal());

    const auto later = ZKCoreDataManager::openDefault().manager->transactionWithGuid(guid);
    ASSERT_TRUE(later);
    ASSERT_EQ(later->participants().size(), 2u);
    EXPECT_EQ(later->participants()[0]->uid(), "signer0");
    EXPECT_EQ(later->documents().size(), 2u);
    EXPECT_EQ(storedFiles().size(), 2u) << "a document kept keeps its PDF";
}

TEST_F(VTTransactionStoreTest, ACommitThatDropsAStoredDocumentDeletesItsPdf)
{
    auto transaction = composed();
    const auto guid = start(*transaction)["guid"].get<std::string>();
    auto rebuilt = VTTransaction::transactionForGUID(guid);
    ASSERT_TRUE(rebuilt);
    const auto stored = ZKTransaction::transactionWithGIUD(guid);
    const auto annex = std::filesystem::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) /
                       stored->documents().at(1)->fileName();

    // The removal is refused, so the document stays stored while the builder lists it no more.
    refuseDeletingFrom("documents");
    rebuilt->removeDocumentWithIndex(1);
    allowDeletingFrom("documents");
    ASSERT_TRUE(std::filesystem::exists(annex));

    const auto reply = commit(*rebuilt);
    ASSERT_TRUE(reply);
    ASSERT_EQ((*reply)["status"], "success") << reply->dump();
    ASSERT_EQ(stored->documents().size(), 1u);
    EXPECT_FALSE(std::filesystem::exists(annex));
    EXPECT_EQ(storedFiles().size(), 1u);
}

TEST_F(VTTransactionStoreTest, UnknownGuidsGiveNoBuilderAndFailedWrites)
{
    EXPECT_FALSE(VTTransaction::transactionForGUID("nope"));
    EXPECT_FALSE(VTTransaction::transactionForGUID(std::nullopt));
    EXPECT_FALSE(VTTransaction::transactionForGUID(""));

    auto transaction = composed();
    const auto guid = start(*transaction)["guid"].get<std::string>();
    auto rebuilt = VTTransaction::transactionForGUID(guid);
    auto upper = guid;
    std::transform(upper.begin(), upper.end(), upper.begin(), ::toupper);
    EXPECT_TRUE(VTTransaction::transactionForGUID(upper));

    ZKTransactionManager::sharedInstance()->dataManager()->store()->deleteObject(ZKTransaction::transactionWithGIUD(guid));
    ZKTransactionManager::sharedInstance()->dataManager()->store()->save();
    const auto reply = commit(*rebuilt);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)["status"], "failed");
    EXPECT_EQ((*reply)["error"]["code"], ZKError::notFound);
}

TEST_F(VTTransactionStoreTest, BuildersCommittedFromOtherThreadsAreRefusedAndTheStoreStaysWhole)
{
    auto stored = composed();
    ASSERT_EQ(commit(*stored).value_or(Dictionary())["status"], "success");
    constexpr int kThreads = 2;
    constexpr int kCommitsEach = 20;
    std::vector<std::vector<std::shared_ptr<VTTransaction>>> builders(kThreads);
    for (auto& list : builders) {
        for (int index = 0; index < kCommitsEach; ++index) {
            list.push_back(composed());
        }
    }
    std::vector<std::vector<std::optional<Dictionary>>> replies(kThreads);
    std::vector<std::thread> threads;
    for (int thread = 0; thread < kThreads; ++thread) {
        threads.emplace_back([&, thread] {
            for (const auto& builder : builders[thread]) {
                replies[thread].push_back(commit(*builder));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }

    for (const auto& list : replies) {
        for (const auto& reply : list) {
            ASSERT_TRUE(reply);
            EXPECT_EQ((*reply)["status"], "failed");
            EXPECT_EQ((*reply)["error"]["code"], ZKError::wrongThread) << reply->dump();
        }
    }
    EXPECT_FALSE(builders[0][0]->guid());
    EXPECT_EQ(storedCount(), 1u);
    EXPECT_EQ(storedFiles().size(), 2u) << "no PDF copied for a refused commit";
    stored->setName("Lease 2");
    EXPECT_EQ(commit(*stored).value_or(Dictionary())["status"], "success");
}

} // namespace
