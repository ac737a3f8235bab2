#include "DataManagerTest.h"

#include "DataManager/ZKTransactionRetrieval.h"
#include "model/ZKDocument.h"
#include "model/ZKParticipant.h"
#include "store/SqliteDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace {

constexpr const char* kGuid = "PKG-1";

Dictionary package()
{
    return {{"id", kGuid},
            {"name", "Lease"},
            {"status", "SENT"},
            {"roles", {{{"id", "R-1"}, {"index", 0}, {"signer", {{"email", "bob@example.com"}, {"firstName", "Bob"}}}}}},
            {"documents",
             {{{"id", "D-1"}, {"name", "Lease"}, {"index", 0}, {"fields", {{{"id", "F-1"}, {"roles", {"R-1"}}}}}},
              {{"id", "D-2"}, {"name", "Annex"}, {"index", 1}}}}};
}

std::string contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

} // namespace

class ZKTransactionRetrievalTest : public DataManagerTest {
protected:
    static void runSql(const std::string& sql)
    {
        auto status = SqliteDatabase::OpenStatus::cannotOpen;
        std::string message;
        const auto database = SqliteDatabase::open(ZKCoreDataManager::defaultStorePath(), status, message);
        ASSERT_TRUE(database) << message;
        ASSERT_TRUE(database->execute(sql)) << database->lastErrorMessage();
    }

    void SetUp() override
    {
        DataManagerTest::SetUp();
        signIn();
        service.addPackage(kGuid, package());
        service.setDocumentPdf(kGuid, "D-1", "%PDF-1.4 lease");
        service.setDocumentPdf(kGuid, "D-2", "%PDF-1.4 annex");
    }

    // The retrieval's outcome: the transaction, or the error's description.
    std::variant<std::shared_ptr<ZKTransaction>, std::string> retrieve(const std::string& guid = kGuid)
    {
        std::optional<std::variant<std::shared_ptr<ZKTransaction>, std::string>> outcome;
        ZKTransactionManager::sharedInstance()->dataManager()->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
            guid, [&](const std::shared_ptr<ZKTransaction>& transaction) { outcome = transaction; },
            [&](const ZKError& error) { outcome = error.description(); });
        EXPECT_TRUE(waitFor([&] { return outcome.has_value(); }));
        return outcome.value_or(std::string("no answer"));
    }

    // Nothing of the package is in the store or in the document folders.
    void expectNothingStored()
    {
        EXPECT_FALSE(store().transactionWithGuid(kGuid));
        EXPECT_FALSE(std::filesystem::exists(ZKFileManager::folderPathForTransactionWithGUID(kGuid)));
        const auto downloads = ZKTransactionRetrieval::downloadsFolderPath();
        EXPECT_TRUE(!std::filesystem::exists(downloads) || std::filesystem::is_empty(downloads));
    }
};

TEST_F(ZKTransactionRetrievalTest, AFetchedPackageIsStoredWithItsPdfsAndSurvivesAReopen)
{
    const auto outcome = retrieve();
    ASSERT_TRUE(std::holds_alternative<std::shared_ptr<ZKTransaction>>(outcome)) << std::get<std::string>(outcome);
    const auto& transaction = *std::get<std::shared_ptr<ZKTransaction>>(outcome);
    EXPECT_EQ(transaction.guid(), kGuid);
    EXPECT_EQ(transaction.status(), "sent");
    EXPECT_FALSE(transaction.draft());
    EXPECT_FALSE(transaction.local());
    ASSERT_EQ(transaction.participants().size(), 1u);
    EXPECT_EQ(transaction.participants()[0]->email(), "bob@example.com");
    ASSERT_EQ(transaction.documents().size(), 2u);
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(kGuid);
    EXPECT_EQ(contentOf(folder / transaction.documents()[0]->fileName()), "%PDF-1.4 lease");
    EXPECT_EQ(contentOf(folder / transaction.documents()[1]->fileName()), "%PDF-1.4 annex");

    store().reset();
    const auto reread = store().transactionWithGuid(kGuid);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->documents().size(), 2u);
    EXPECT_TRUE(std::filesystem::is_empty(ZKTransactionRetrieval::downloadsFolderPath()));

    retrieve();
    EXPECT_EQ(service.requestsTo("GET", std::string("/api/packages/") + kGuid).size(), 1u) << "a stored one is not fetched";
}

TEST_F(ZKTransactionRetrievalTest, AFailureAtAnyStepStoresNothing)
{
    service.respondWith("GET", std::string("/api/packages/") + kGuid + "/documents/D-2/pdf", 404,
                        R"({"messageKey": "error.document.notFound", "message": "gone"})", 1);
    EXPECT_EQ(std::get<std::string>(retrieve()), "gone");
    expectNothingStored();

    service.setDocumentPdf(kGuid, "D-2", "<html>not a pdf</html>");
    EXPECT_TRUE(std::holds_alternative<std::string>(retrieve()));
    expectNothingStored();

    service.setDocumentPdf(kGuid, "D-2", "%PDF-1.4 annex");
    auto badName = package();
    badName["documents"][1]["name"] = 12;
    service.addPackage(kGuid, badName);
    EXPECT_NE(std::get<std::string>(retrieve()).find("documents[1].name"), std::string::npos);
    expectNothingStored();

    auto other = package();
    other["id"] = "PKG-2";
    service.addPackage(kGuid, other);
    EXPECT_TRUE(std::holds_alternative<std::string>(retrieve())) << "the reply is for another package";
    expectNothingStored();
    EXPECT_FALSE(store().transactionWithGuid("PKG-2"));

    service.respondWith("GET", std::string("/api/packages/") + kGuid, 200, "not json", 1);
    EXPECT_TRUE(std::holds_alternative<std::string>(retrieve()));
    expectNothingStored();
}

TEST_F(ZKTransactionRetrievalTest, AFailedSaveLeavesNeitherEntitiesNorFiles)
{
    store();
    // Another writer makes the store refuse this transaction's row, late in the save.
    runSql("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.guid = 'PKG-1' "
           "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_TRUE(std::holds_alternative<std::string>(retrieve()));
    expectNothingStored();
    runSql("DROP TRIGGER refuse");
    EXPECT_FALSE(store().save()) << "the refused transaction is not saved later";
    store().reset();
    EXPECT_FALSE(store().transactionWithGuid(kGuid));
}

TEST_F(ZKTransactionRetrievalTest, TwoRetrievalsAtOnceStoreTheTransactionOnce)
{
    int answers = 0;
    std::shared_ptr<ZKTransaction> first;
    std::shared_ptr<ZKTransaction> second;
    const auto manager = ZKTransactionManager::sharedInstance()->dataManager();
    const auto fail = [&](const ZKError&) { ++answers; };
    manager->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
        kGuid, [&](const auto& transaction) { first = transaction; ++answers; }, fail);
    manager->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
        kGuid, [&](const auto& transaction) { second = transaction; ++answers; }, fail);
    ASSERT_TRUE(waitFor([&] { return answers == 2; }));
    ASSERT_TRUE(first);
    EXPECT_EQ(first, second);
    EXPECT_EQ(store().allTransactions().size(), 1u);
    EXPECT_TRUE(std::filesystem::is_empty(ZKTransactionRetrieval::downloadsFolderPath()));
}
