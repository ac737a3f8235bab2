#include "store/StoreTestSupport.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/ZKTransactionMapper.h"

#include <sqlite3.h>

#include <fstream>
#include <thread>
#include <variant>

using store_testing::sampleTransaction;
using store_testing::StoreTest;

namespace {

std::shared_ptr<ZKTransaction> mapInto(ZKCoreDataManager& manager, const Dictionary& dictionary)
{
    auto result = ZKTransactionMapper::transactionFromDictionary(dictionary, manager);
    EXPECT_TRUE(std::holds_alternative<std::shared_ptr<ZKTransaction>>(result));
    return std::get<std::shared_ptr<ZKTransaction>>(result);
}

// Runs SQL on the store file through a connection of its own, as another process would.
std::string runSql(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* database = nullptr;
    sqlite3_open(file.c_str(), &database);
    std::string firstValue;
    sqlite3_exec(
        database, sql.c_str(),
        [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) = values[0] ? values[0] : "";
            return 0;
        },
        &firstValue, nullptr);
    sqlite3_close(database);
    return firstValue;
}

std::string fileContents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST_F(StoreTest, StoresTheFileInThePreferencesFolderAtTheCurrentSchemaVersion)
{
    EXPECT_EQ(manager->file(), home() / "Library" / "Preferences" / "VeltCoreDB.sqlite");
    EXPECT_TRUE(std::filesystem::exists(manager->file()));
    EXPECT_EQ(runSql(manager->file(), "PRAGMA user_version"), std::to_string(ZKCoreDataManager::currentSchemaVersion()));
}

TEST_F(StoreTest, SavedTransactionComesBackWholeInALaterLaunchByGuidOfAnyCase)
{
    const auto dictionary = sampleTransaction("a1b2c3-guid", 2, 3, 2);
    const auto original = mapInto(*manager, dictionary);
    ASSERT_FALSE(manager->save().has_value());

    auto later = openStore();
    const auto found = later->transactionWithGuid("A1B2C3-GUID");
    ASSERT_NE(found, nullptr);
    EXPECT_NE(found, original);
    const auto stored = ZKTransactionMapper::dictionaryFromTransaction(*found);
    EXPECT_EQ(stored, ZKTransactionMapper::dictionaryFromTransaction(*original));
    EXPECT_EQ(stored["advancedOptions"], dictionary["advancedOptions"]);
    EXPECT_EQ(stored["documents"][1]["elements"][2]["x"], 21.0);
    EXPECT_EQ(stored["participants"][0]["authentication"], dictionary["participants"][0]["authentication"]);
    EXPECT_EQ(found->documents().at(1)->elements().at(2)->validation()->maxLength(), 40);
    EXPECT_FALSE(later->hasChanges());
}

TEST_F(StoreTest, KeepsOneObjectPerRow)
{
    mapInto(*manager, sampleTransaction("guid-1"));
    ASSERT_FALSE(manager->save().has_value());

    auto later = openStore();
    const auto first = later->transactionWithGuid("guid-1");
    const auto second = later->transactionWithGuid("GUID-1");
    EXPECT_EQ(first, second);
    ASSERT_EQ(later->allTransactions().size(), 1u);
    EXPECT_EQ(later->allTransactions().front(), first);
    EXPECT_EQ(first->documents().front()->elements().front()->document(), first->documents().front());
}

TEST_F(StoreTest, LookupsSeeUnsavedInsertionsRenamesAndDeletions)
{
    auto fresh = ZKTransaction::insertNew();
    fresh->setGuid("new-guid");
    EXPECT_EQ(manager->transactionWithGuid("NEW-GUID"), fresh);
    ASSERT_FALSE(manager->save().has_value());

    fresh->setGuid("server-guid");
    EXPECT_EQ(manager->transactionWithGuid("new-guid"), nullptr);
    EXPECT_EQ(manager->transactionWithGuid("server-guid"), fresh);

    manager->deleteObject(fresh);
    EXPECT_EQ(manager->transactionWithGuid("server-guid"), nullptr);
    EXPECT_TRUE(manager->allTransactions().empty());
    EXPECT_EQ(manager->transactionWithGuid(""), nullptr);
}

TEST_F(StoreTest, DeletingATransactionRemovesEverythingItOwns)
{
    const auto transaction = mapInto(*manager, sampleTransaction("doomed"));
    mapInto(*manager, sampleTransaction("kept", 1, 1, 1));
    ASSERT_FALSE(manager->save().has_value());

    manager->deleteObject(transaction);
    ASSERT_FALSE(manager->save().has_value());

    const auto file = manager->file();
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM transactions"), "1");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM documents"), "1");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM elements"), "1");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM validations"), "1");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM participants"), "1");
    EXPECT_EQ(runSql(file, "SELECT count(*) FROM predefined_actions"), "1");
    EXPECT_EQ(openStore()->transactionWithGuid("doomed"), nullptr);
}

TEST_F(StoreTest, RemovingADocumentOrParticipantDeletesItsRows)
{
    const auto transaction = mapInto(*manager, sampleTransaction("trx", 2, 2, 2));
    ASSERT_FALSE(manager->save().has_value());

    transaction->removeDocument(transaction->documents().front());
    manager->deleteObject(transaction->participants().back());
    EXPECT_EQ(transaction->documents().size(), 1u);
    EXPECT_EQ(transaction->participants().size(), 1u);
    ASSERT_FALSE(manager->save().has_value());

    const auto reloaded = openStore()->transactionWithGuid("trx");
    ASSERT_EQ(reloaded->documents().size(), 1u);
    EXPECT_EQ(reloaded->documents().front()->ident(), "trx-doc1");
    EXPECT_EQ(reloaded->documents().front()->elements().size(), 2u);
    ASSERT_EQ(reloaded->participants().size(), 1u);
    EXPECT_EQ(reloaded->participants().front()->uid(), "role-0");
}

TEST_F(StoreTest, AFailedSaveWritesNothingAndCanBeRetried)
{
    const auto transaction = mapInto(*manager, sampleTransaction("trx", 1, 2, 1));
    ASSERT_FALSE(manager->save().has_value());

    // Another writer makes element rows named "boom" fail, half-way through the save.
    runSql(manager->file(), "CREATE TRIGGER refuse BEFORE INSERT ON elements WHEN NEW.name = 'boom' "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    transaction->setName("Renamed");
    transaction->documents().front()->elements().front()->setContent("changed");
    auto element = ZKElement::insertNew();
    element->setIdent("boom-ident");
    element->setName("boom");
    transaction->documents().front()->addElement(element);

    const auto error = manager->save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->domain(), "VeltMobile");
    EXPECT_TRUE(manager->hasChanges());

    const auto stored = openStore()->transactionWithGuid("trx");
    EXPECT_EQ(stored->name(), "Lease trx");
    EXPECT_EQ(stored->documents().front()->elements().size(), 2u);
    EXPECT_EQ(stored->documents().front()->elements().front()->content(), "");

    runSql(manager->file(), "DROP TRIGGER refuse");
    ASSERT_FALSE(manager->save().has_value());
    const auto retried = openStore()->transactionWithGuid("trx");
    EXPECT_EQ(retried->name(), "Renamed");
    EXPECT_EQ(retried->documents().front()->elements().size(), 3u);
    EXPECT_EQ(retried->documents().front()->elements().front()->content(), "changed");
}

TEST_F(StoreTest, ARollbackReturnsEveryUnsavedChangeToTheStoredStateForGood)
{
    const auto transaction = mapInto(*manager, sampleTransaction("trx", 2, 2, 2));
    const auto untouched = mapInto(*manager, sampleTransaction("other", 1, 1, 1));
    ASSERT_FALSE(manager->save().has_value());
    const auto keptDocument = transaction->documents().back();

    transaction->setName("Renamed");
    transaction->documents().back()->elements().front()->setContent("changed");
    const auto removed = transaction->documents().front();
    transaction->removeDocument(removed);
    transaction->removeParticipant(transaction->participants().back());
    const auto added = std::make_shared<ZKParticipant>();
    manager->insertObject(added);
    added->setUid("added");
    transaction->addParticipant(added);
    const auto unsaved = mapInto(*manager, sampleTransaction("new", 1, 1, 1));
    manager->deleteObject(untouched);

    manager->rollback();

    EXPECT_FALSE(manager->hasChanges());
    EXPECT_EQ(manager->transactionWithGuid("trx"), transaction) << "the same object, back to its rows";
    EXPECT_EQ(transaction->name(), "Lease trx");
    ASSERT_EQ(transaction->documents().size(), 2u);
    EXPECT_EQ(transaction->documents().front()->ident(), "trx-doc0");
    EXPECT_EQ(transaction->documents().back()->elements().front()->content(), "");
    EXPECT_EQ(transaction->documents().front()->transaction(), transaction);
    ASSERT_EQ(transaction->participants().size(), 2u);
    EXPECT_EQ(transaction->participants().back()->uid(), "role-1");
    EXPECT_FALSE(added->store()) << "an insert since the last save is dropped";
    EXPECT_FALSE(keptDocument->store()) << "objects read before the rollback are replaced";
    EXPECT_EQ(manager->transactionWithGuid("new"), nullptr);
    EXPECT_FALSE(unsaved->store());
    EXPECT_EQ(manager->transactionWithGuid("other"), untouched) << "a deletion is undone";
    EXPECT_FALSE(untouched->isDeleted());

    // A later, unrelated save writes only its own change.
    untouched->setName("Other renamed");
    unsaved->setName("ignored");
    ASSERT_FALSE(manager->save().has_value());
    const auto later = openStore();
    const auto stored = later->transactionWithGuid("trx");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->name(), "Lease trx");
    EXPECT_EQ(stored->documents().size(), 2u);
    EXPECT_EQ(stored->participants().size(), 2u);
    EXPECT_EQ(stored->documents().back()->elements().front()->content(), "");
    EXPECT_EQ(later->transactionWithGuid("other")->name(), "Other renamed");
    EXPECT_EQ(later->transactionWithGuid("new"), nullptr);

    // The restored objects are tracked again.
    transaction->documents().front()->setName("Renamed document");
    ASSERT_FALSE(manager->save().has_value());
    EXPECT_EQ(openStore()->transactionWithGuid("trx")->documents().front()->name(), "Renamed document");
}

TEST_F(StoreTest, ACorruptFileIsSetAsideAndReported)
{
    manager.reset();
    VeltManagedObject::setStoreManager(nullptr);
    const auto file = ZKCoreDataManager::defaultStorePath();
    std::filesystem::remove(file);
    const std::string garbage(8192, 'x');
    std::ofstream(file, std::ios::binary) << garbage;

    const auto result = ZKCoreDataManager::open(file);
    ASSERT_TRUE(result.error.has_value());
    ASSERT_TRUE(result.setAsidePath.has_value());
    EXPECT_EQ(fileContents(*result.setAsidePath), garbage);
    ASSERT_NE(result.manager, nullptr);
    EXPECT_TRUE(result.manager->allTransactions().empty());
    EXPECT_NE(result.error->description().find(result.setAsidePath->string()), std::string::npos);
}

TEST_F(StoreTest, AFileOfANewerSchemaIsLeftAlone)
{
    mapInto(*manager, sampleTransaction("trx"));
    ASSERT_FALSE(manager->save().has_value());
    manager.reset();
    VeltManagedObject::setStoreManager(nullptr);
    const auto file = ZKCoreDataManager::defaultStorePath();
    runSql(file, "PRAGMA user_version = 99");

    const auto result = ZKCoreDataManager::open(file);
    EXPECT_EQ(result.manager, nullptr);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_FALSE(result.setAsidePath.has_value());
    EXPECT_EQ(runSql(file, "SELECT guid FROM transactions"), "trx");
}

TEST_F(StoreTest, AnUnwritableFolderIsReportedNotSetAside)
{
    const auto file = home() / "missing" / "VeltCoreDB.sqlite";
    std::filesystem::create_directories(file.parent_path().parent_path());
    std::ofstream(file.parent_path()) << "a file where the folder should be";

    const auto result = ZKCoreDataManager::open(file);
    EXPECT_EQ(result.manager, nullptr);
    EXPECT_TRUE(result.error.has_value());
}

TEST_F(StoreTest, RadioGroupsComeFromStoredRowsAndUnsavedChanges)
{
    const auto transaction = mapInto(*manager, sampleTransaction("trx", 2, 0, 1));
    const auto document = transaction->documents().front();
    auto addRadio = [&](const std::string& approval, const std::vector<std::string>& enumeration) {
        auto element = ZKElement::insertNew();
        element->setIdent(approval + std::to_string(document->elements().size()));
        element->setType("Radio");
        element->setApproval(approval);
        document->addElement(element);
        auto validation = ZKValidation::insertNew();
        validation->setEnumeration(enumeration);
        element->setValidation(validation);
        return element;
    };
    addRadio("sig", {"b"});
    const auto moved = addRadio("sig", {"c"});
    addRadio("other", {"x"});
    ASSERT_FALSE(manager->save().has_value());
    addRadio("sig", {"a", "z"});

    auto names = manager->radioGroupNames("sig", "trx-doc0");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c"}));

    moved->validation()->setEnumeration({"b"});
    names = manager->radioGroupNames("sig", "trx-doc0");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b"}));

    document->removeElement(moved);
    EXPECT_TRUE(manager->radioGroupNames("sig", "trx-doc1").empty());
    EXPECT_EQ(manager->radioGroupNames("other", "trx-doc0"), std::vector<std::string>{"x"});
}

TEST_F(StoreTest, ResetForgetsUnsavedChangesAndDetachesWhatItKnew)
{
    const auto transaction = mapInto(*manager, sampleTransaction("trx", 1, 1, 1));
    ASSERT_FALSE(manager->save().has_value());
    const auto element = transaction->documents().front()->elements().front();
    transaction->setName("Unsaved");
    mapInto(*manager, sampleTransaction("never-saved"));

    manager->reset();
    EXPECT_FALSE(manager->hasChanges());
    EXPECT_EQ(manager->transactionWithGuid("never-saved"), nullptr);
    const auto reloaded = manager->transactionWithGuid("trx");
    ASSERT_NE(reloaded, transaction);
    EXPECT_EQ(reloaded->name(), "Lease trx");

    element->setContent("from a forgotten object");
    EXPECT_FALSE(manager->hasChanges());
    EXPECT_FALSE(element->saveUpdates());
}

TEST_F(StoreTest, CallsFromAnotherThreadAreRefusedAndTouchNothing)
{
    const auto stored = mapInto(*manager, sampleTransaction("trx", 1, 1, 1));
    ASSERT_FALSE(manager->save().has_value());
    stored->setName("Renamed on the main thread");
    const auto element = stored->documents().front()->elements().front();

    std::optional<ZKError> saveError;
    std::shared_ptr<ZKTransaction> found;
    std::size_t listed = 1;
    bool sawChanges = true;
    std::thread([&] {
        found = manager->transactionWithGuid("trx");
        listed = manager->allTransactions().size();
        sawChanges = manager->hasChanges();
        element->setContent("typed on a worker");
        manager->deleteObject(stored->documents().front());
        manager->insertObject(std::make_shared<ZKTransaction>());
        manager->rollback();
        manager->reset();
        saveError = manager->save();
    }).join();

    ASSERT_TRUE(saveError);
    EXPECT_EQ(saveError->code(), ZKError::wrongThread);
    EXPECT_FALSE(found);
    EXPECT_EQ(listed, 0u);
    EXPECT_FALSE(sawChanges);
    EXPECT_FALSE(stored->documents().front()->isDeleted());
    EXPECT_FALSE(element->isPendingSave()) << "a change made off the main thread is not recorded";

    // The main thread's own pending change is still there and saves as usual.
    ASSERT_FALSE(manager->save().has_value());
    const auto reopened = openStore()->transactionWithGuid("trx");
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->name(), "Renamed on the main thread");
    EXPECT_EQ(reopened->documents().size(), 1u);
    EXPECT_EQ(reopened->documents().front()->elements().front()->content(), "");
}

TEST_F(StoreTest, AStoreLockedByAnotherConnectionIsReportedAndKept)
{
    mapInto(*manager, sampleTransaction("trx"));
    ASSERT_FALSE(manager->save().has_value());
    manager.reset();
    VeltManagedObject::setStoreManager(nullptr);
    const auto file = ZKCoreDataManager::defaultStorePath();

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto result = ZKCoreDataManager::open(file);
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);

    EXPECT_EQ(result.manager, nullptr);
    EXPECT_TRUE(result.error.has_value());
    EXPECT_FALSE(result.setAsidePath.has_value());
    EXPECT_EQ(runSql(file, "SELECT guid FROM transactions"), "trx");
}
