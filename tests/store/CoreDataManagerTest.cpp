#include "store/StoreTestSupport.h"

#include "foundation/Date.h"
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

template <class T>
Dictionary valueOrNull(const std::optional<T>& value)
{
    return value ? Dictionary(*value) : Dictionary();
}

Dictionary validationFields(const ZKValidation& v)
{
    return {{"required", v.required()}, {"maxLength", valueOrNull(v.maxLength())},
            {"enumeration", v.enumeration()}, {"pattern", valueOrNull(v.pattern())}};
}

Dictionary elementFields(const ZKElement& e)
{
    return {{"ident", e.ident()},       {"name", e.name()},         {"type", e.type()},
            {"autofill", valueOrNull(e.autofill())},                {"content", e.content()},
            {"readOnly", e.readOnly()}, {"approval", valueOrNull(e.approval())},
            {"page", e.page()},         {"x", e.frame().origin.x},  {"y", e.frame().origin.y},
            {"width", e.frame().size.width},                        {"height", e.frame().size.height},
            {"roles", e.roles()},       {"validation", e.validation() ? validationFields(*e.validation()) : Dictionary()}};
}

Dictionary documentFields(const ZKDocument& d)
{
    Dictionary elements = Dictionary::array();
    for (const auto& element : d.elements()) {
        elements.push_back(elementFields(*element));
    }
    return {{"ident", d.ident()}, {"name", d.name()}, {"order", d.order()}, {"fileName", d.fileName()},
            {"elements", std::move(elements)}};
}

Dictionary participantFields(const ZKParticipant& p)
{
    return {{"uid", p.uid()},           {"order", p.order()},         {"email", p.email()},
            {"firstName", p.firstName()}, {"lastName", p.lastName()}, {"title", p.title()},
            {"company", p.company()},   {"isOwner", p.isOwner()},     {"isGroup", p.isGroup()},
            {"authentication", p.authentication()},                   {"emailMessage", p.emailMessage()},
            {"allowChangeSigners", p.allowChangeSigners()}};
}

Dictionary actionsFields(const ZKPredefinedActions& a)
{
    return {{"deleteOnServer", a.deleteOnServer()}, {"createOnServer", a.createOnServer()}, {"send", a.send()},
            {"sign", a.sign()}, {"optOut", a.optOut()}, {"complete", a.complete()}};
}

// Every stored field of the transaction and of what it owns, read through the getters.
Dictionary storedFields(const ZKTransaction& t)
{
    Dictionary fields{{"guid", t.guid()},         {"name", t.name()},
                      {"desc", t.desc()},         {"status", t.status()},
                      {"draft", t.draft()},       {"local", t.local()},
                      {"lastUpdate", t.lastUpdate()}, {"expiry", valueOrNull(t.expiry())},
                      {"emailMessage", t.emailMessage()}, {"inPerson", t.inPerson()},
                      {"autocomplete", t.autocomplete()}, {"orderSigning", t.orderSigning()},
                      {"advancedOptions", t.advancedOptions()}, {"trxAttributes", t.trxAttributes()},
                      {"participants", Dictionary::array()}, {"documents", Dictionary::array()}};
    fields["actions"] = t.predefinedActionsIfAny() ? actionsFields(*t.predefinedActionsIfAny()) : Dictionary();
    for (const auto& participant : t.participants()) {
        fields["participants"].push_back(participantFields(*participant));
    }
    for (const auto& document : t.documents()) {
        fields["documents"].push_back(documentFields(*document));
    }
    return fields;
}

// Every row of the query on the store file, its columns joined by "|".
std::vector<std::string> rowsOf(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* database = nullptr;
    sqlite3_open(file.c_str(), &database);
    std::vector<std::string> rows;
    sqlite3_exec(
        database, sql.c_str(),
        [](void* out, int count, char** values, char**) {
            std::string row;
            for (int column = 0; column < count; ++column) {
                row += std::string(column ? "|" : "") + (values[column] ? values[column] : "NULL");
            }
            static_cast<std::vector<std::string>*>(out)->push_back(row);
            return 0;
        },
        &rows, nullptr);
    sqlite3_close(database);
    return rows;
}

// The columns, references and indexes of the store's tables in the file.
std::vector<std::string> layoutOf(const std::filesystem::path& file)
{
    auto layout = rowsOf(file, "SELECT name, sql FROM sqlite_master WHERE type = 'index' ORDER BY name");
    for (const char* table : {"transactions", "predefined_actions", "participants", "documents", "elements",
                              "validations"}) {
        const std::string name = table;
        for (const auto& row : rowsOf(file, "SELECT cid, name, type, \"notnull\", dflt_value, pk FROM "
                                            "pragma_table_info('" + name + "')")) {
            layout.push_back(name + " column " + row);
        }
        for (const auto& row : rowsOf(file, "SELECT \"table\", \"from\", \"to\", on_update, on_delete FROM "
                                            "pragma_foreign_key_list('" + name + "')")) {
            layout.push_back(name + " reference " + row);
        }
    }
    return layout;
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

namespace {

// Gives every stored field of the transaction, and of the one participant, document,
// element, validation and pending work it has (made when missing), a value of `row`
// that differs from the default. Flags follow the bits of their place plus one, so
// across rows 0, 1 and 2 every flag is set somewhere and no two flags are alike in all
// rows: a column dropped, or read into the wrong field, changes what comes back.
void fillEveryField(ZKTransaction& t, int row)
{
    int place = 0;
    const auto flag = [row, &place] { return (((++place) >> row) & 1) != 0; };
    const auto text = [row](const std::string& field) { return field + "-" + std::to_string(row); };
    const auto store = VeltManagedObject::storeManager();

    t.setGuid(text("guid"));
    t.setName(text("name"));
    t.setDesc(text("desc"));
    t.setStatus(text("status"));
    t.setDraft(flag());
    t.setLocalFlag(flag());
    t.setInPerson(flag());
    t.setAutocomplete(flag());
    t.setOrderSigning(flag());
    t.setLastUpdate(1000.5 + row);
    t.setExpiry(2000.25 + row);
    t.setEmailMessage(text("message"));
    t.setAdvancedOptions({{"theme", text("theme")}});
    t.setTrxAttributes({{"origin", text("origin")}});

    place = 0;
    const auto actions = t.predefinedActions();
    actions->setDeleteOnServer(flag());
    actions->setCreateOnServer(flag());
    actions->setSend(flag());
    actions->setSign(flag());
    actions->setOptOut(flag());
    actions->setComplete(flag());

    if (t.participants().empty()) {
        const auto made = std::make_shared<ZKParticipant>();
        store->insertObject(made);
        t.addParticipant(made);
    }
    place = 0;
    auto& participant = *t.participants().front();
    participant.setUid(text("uid"));
    participant.setOrder(3 + row);
    participant.setEmail(text("email"));
    participant.setFirstName(text("first"));
    participant.setLastName(text("last"));
    participant.setTitle(text("title"));
    participant.setCompany(text("company"));
    participant.setIsOwner(flag());
    participant.setIsGroup(flag());
    participant.setAllowChangeSigners(flag());
    participant.setAuthentication({{"scheme", text("scheme")}});
    participant.setEmailMessage(text("personal"));

    if (t.documents().empty()) {
        t.addDocument(ZKDocument::insertNew());
    }
    auto& document = *t.documents().front();
    document.setIdent(text("document"));
    document.setName(text("document name"));
    document.setOrder(4 + row);
    document.setFileName(text("file") + ".pdf");

    if (document.elements().empty()) {
        document.addElement(ZKElement::insertNew());
    }
    auto& element = *document.elements().front();
    element.setIdent(text("element"));
    element.setName(text("element name"));
    element.setType(text("type"));
    element.setAutofill(text("autofill"));
    element.setContent(text("content"));
    element.setReadOnly(row != 1);
    element.setApproval(text("approval"));
    element.setPage(7 + row);
    element.setFrame(platform::graphics::makeRect(10.25 + row, 20.5, 30.75, 40.125));
    element.setRoles({text("role"), text("other role")});

    if (!element.validation()) {
        element.setValidation(ZKValidation::insertNew());
    }
    auto& validation = *element.validation();
    validation.setRequired(row != 2);
    validation.setMaxLength(50 + row);
    validation.setEnumeration({text("group"), text("item")});
    validation.setPattern(text("pattern"));
}

} // namespace

TEST_F(StoreTest, EveryStoredFieldComesBackThroughASecondManager)
{
    std::vector<std::shared_ptr<ZKTransaction>> transactions;
    std::vector<Dictionary> written;
    for (int row = 0; row < 3; ++row) {
        transactions.push_back(ZKTransaction::insertNew());
        fillEveryField(*transactions.back(), row);
        written.push_back(storedFields(*transactions.back()));
    }
    const auto readBack = [&written](const std::string& moment) {
        const auto later = openStore();
        for (std::size_t row = 0; row < written.size(); ++row) {
            const auto read = later->transactionWithGuid("guid-" + std::to_string(row));
            ASSERT_TRUE(read) << moment << " " << row;
            EXPECT_EQ(storedFields(*read), written[row]) << moment << " " << row;
        }
    };
    ASSERT_FALSE(manager->save().has_value());
    readBack("inserted");

    // Updating stored rows writes every field too: each transaction takes the next one's values.
    for (std::size_t index = 0; index < transactions.size(); ++index) {
        fillEveryField(*transactions[index], static_cast<int>((index + 1) % transactions.size()));
    }
    ASSERT_FALSE(manager->save().has_value());
    readBack("updated");
}

TEST_F(StoreTest, AFileOfTheFirstVersionHasTheTablesOfANewFileAndKeepsItsRows)
{
    // The tables as the first version of the store made them, on devices since.
    const auto legacy = home() / "first-version.sqlite";
    runSql(legacy, R"SQL(
CREATE TABLE transactions (
    id INTEGER PRIMARY KEY, guid TEXT NOT NULL, name TEXT NOT NULL, description TEXT NOT NULL,
    status TEXT NOT NULL, draft INTEGER NOT NULL, local INTEGER NOT NULL, last_update REAL NOT NULL,
    expiry REAL, email_message TEXT NOT NULL, in_person INTEGER NOT NULL, autocomplete INTEGER NOT NULL,
    order_signing INTEGER NOT NULL, advanced_options TEXT NOT NULL, trx_attributes TEXT NOT NULL);
CREATE INDEX transactions_guid ON transactions (guid COLLATE NOCASE);
CREATE TABLE predefined_actions (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    delete_on_server INTEGER NOT NULL, create_on_server INTEGER NOT NULL, send INTEGER NOT NULL,
    sign INTEGER NOT NULL, opt_out INTEGER NOT NULL, complete INTEGER NOT NULL);
CREATE INDEX predefined_actions_transaction ON predefined_actions (transaction_id);
CREATE TABLE participants (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    uid TEXT NOT NULL, sort_order INTEGER NOT NULL, email TEXT NOT NULL, first_name TEXT NOT NULL,
    last_name TEXT NOT NULL, title TEXT NOT NULL, company TEXT NOT NULL, is_owner INTEGER NOT NULL,
    is_group INTEGER NOT NULL, authentication TEXT NOT NULL, email_message TEXT NOT NULL,
    allow_change_signers INTEGER NOT NULL);
CREATE INDEX participants_transaction ON participants (transaction_id);
CREATE TABLE documents (
    id INTEGER PRIMARY KEY,
    transaction_id INTEGER REFERENCES transactions (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    ident TEXT NOT NULL, name TEXT NOT NULL, sort_order INTEGER NOT NULL, file_name TEXT NOT NULL);
CREATE INDEX documents_transaction ON documents (transaction_id);
CREATE INDEX documents_ident ON documents (ident);
CREATE TABLE elements (
    id INTEGER PRIMARY KEY,
    document_id INTEGER REFERENCES documents (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    ident TEXT NOT NULL, name TEXT NOT NULL, type TEXT NOT NULL, autofill TEXT, content TEXT NOT NULL,
    read_only INTEGER NOT NULL, approval TEXT, page INTEGER NOT NULL, x REAL NOT NULL, y REAL NOT NULL,
    width REAL NOT NULL, height REAL NOT NULL, roles TEXT NOT NULL);
CREATE INDEX elements_document ON elements (document_id);
CREATE INDEX elements_radio ON elements (approval, document_id) WHERE type = 'Radio';
CREATE TABLE validations (
    id INTEGER PRIMARY KEY,
    element_id INTEGER REFERENCES elements (id) ON DELETE CASCADE DEFERRABLE INITIALLY DEFERRED,
    required INTEGER NOT NULL, max_length INTEGER, enumeration TEXT NOT NULL, group_name TEXT, pattern TEXT);
CREATE INDEX validations_element ON validations (element_id);
INSERT INTO transactions VALUES (1, 'kept', 'Kept', '', 'draft', 1, 0, 10.0, NULL, '', 0, 0, 0, '{}', '{}');
PRAGMA user_version = 1;
)SQL");
    EXPECT_EQ(layoutOf(legacy), layoutOf(manager->file()));

    const auto opened = ZKCoreDataManager::open(legacy);
    ASSERT_TRUE(opened.manager);
    EXPECT_FALSE(opened.error);
    const auto kept = opened.manager->transactionWithGuid("kept");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->name(), "Kept");
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

TEST_F(StoreTest, TransactionsAreListedNewestFirst)
{
    auto older = sampleTransaction("older", 0, 0, 0);
    older["lastUpdate"] = 1000.0;
    auto newer = sampleTransaction("newer", 0, 0, 0);
    newer["lastUpdate"] = 3000.0;
    mapInto(*manager, older);
    mapInto(*manager, newer);
    ASSERT_FALSE(manager->save().has_value());

    const auto listed = openStore()->allTransactions();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0]->guid(), "newer");
    EXPECT_EQ(listed[1]->guid(), "older");
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

TEST_F(StoreTest, ACorruptFileIsSetAsideAndReportedWithoutReplacingOneSetAsideBefore)
{
    manager.reset();
    VeltManagedObject::setStoreManager(nullptr);
    // Both within one second, so a name made of the time alone would be the same twice.
    platform::Date::pinNow(platform::Date(1'750'000'000));
    const auto file = ZKCoreDataManager::defaultStorePath();
    std::vector<std::filesystem::path> setAside;
    for (const char filler : {'x', 'y'}) {
        SCOPED_TRACE(filler);
        std::filesystem::remove(file);
        std::ofstream(file, std::ios::binary) << std::string(8192, filler);

        const auto result = ZKCoreDataManager::open(file);
        ASSERT_TRUE(result.error.has_value());
        ASSERT_TRUE(result.setAsidePath.has_value());
        ASSERT_NE(result.manager, nullptr);
        EXPECT_TRUE(result.manager->allTransactions().empty());
        EXPECT_NE(result.error->description().find(result.setAsidePath->string()), std::string::npos);
        setAside.push_back(*result.setAsidePath);
    }
    EXPECT_EQ(fileContents(setAside[0]), std::string(8192, 'x'));
    EXPECT_EQ(fileContents(setAside[1]), std::string(8192, 'y'));
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
