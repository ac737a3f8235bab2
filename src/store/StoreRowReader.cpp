#include "store/StoreRowReader.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/SqliteDatabase.h"
#include "store/StoreTables.h"

#include <unordered_map>

namespace {

using Attached = std::vector<std::pair<std::shared_ptr<VeltManagedObject>, std::int64_t>>;

// Every row of a SELECT of the table's selectList() answers its row id at column 0 and
// its owner's row id at column 1.
constexpr int kRowID = 0;
constexpr int kOwnerID = 1;

std::string selectFrom(const StoreTableLayout& layout, const char* alias, const std::string& rest)
{
    return "SELECT " + layout.selectList(alias) + " FROM " + layout.name() + " " + alias + " " + rest;
}

std::shared_ptr<ZKTransaction> readTransaction(SqliteDatabase& database, std::int64_t rowID)
{
    const auto& table = StoreTables::transactions();
    static const auto sql = selectFrom(table.layout(), "t", "WHERE t.id = ?1");
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    if (!s.step()) {
        return nullptr;
    }
    auto t = std::make_shared<ZKTransaction>();
    table.read(s, *t);
    s.reset();
    return t;
}

void readActions(SqliteDatabase& database, ZKTransaction& transaction, std::int64_t rowID, Attached& attached)
{
    const auto& table = StoreTables::predefinedActions();
    static const auto sql = selectFrom(table.layout(), "a", "WHERE a.transaction_id = ?1 ORDER BY a.id LIMIT 1");
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    if (!s.step()) {
        return;
    }
    auto a = std::make_shared<ZKPredefinedActions>();
    table.read(s, *a);
    transaction.setPredefinedActions(a);
    attached.emplace_back(a, s.int64At(kRowID));
    s.reset();
}

void readParticipants(SqliteDatabase& database, ZKTransaction& transaction, std::int64_t rowID, Attached& attached)
{
    const auto& table = StoreTables::participants();
    static const auto sql = selectFrom(table.layout(), "p", "WHERE p.transaction_id = ?1 ORDER BY p.sort_order, p.id");
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    while (s.step()) {
        auto p = std::make_shared<ZKParticipant>();
        table.read(s, *p);
        transaction.addParticipant(p);
        attached.emplace_back(p, s.int64At(kRowID));
    }
    s.reset();
}

std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>> readDocuments(SqliteDatabase& database,
                                                                           ZKTransaction& transaction,
                                                                           std::int64_t rowID, Attached& attached)
{
    const auto& table = StoreTables::documents();
    static const auto sql = selectFrom(table.layout(), "d", "WHERE d.transaction_id = ?1 ORDER BY d.sort_order, d.id");
    std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>> documents;
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    while (s.step()) {
        auto d = std::make_shared<ZKDocument>();
        table.read(s, *d);
        transaction.addDocument(d);
        attached.emplace_back(d, s.int64At(kRowID));
        documents.emplace(s.int64At(kRowID), d);
    }
    s.reset();
    return documents;
}

std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>> readElements(
    SqliteDatabase& database, const std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>>& documents,
    std::int64_t rowID, Attached& attached)
{
    const auto& table = StoreTables::elements();
    static const auto sql = selectFrom(table.layout(), "e",
                                   "JOIN documents d ON d.id = e.document_id WHERE d.transaction_id = ?1 ORDER BY e.id");
    std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>> elements;
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    while (s.step()) {
        auto e = std::make_shared<ZKElement>();
        table.read(s, *e);
        documents.at(s.int64At(kOwnerID))->addElement(e);
        attached.emplace_back(e, s.int64At(kRowID));
        elements.emplace(s.int64At(kRowID), e);
    }
    s.reset();
    return elements;
}

void readValidations(SqliteDatabase& database,
                     const std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>>& elements, std::int64_t rowID,
                     Attached& attached)
{
    const auto& table = StoreTables::validations();
    static const auto sql = selectFrom(table.layout(), "v",
                                   "JOIN elements e ON e.id = v.element_id JOIN documents d ON d.id = e.document_id "
                                   "WHERE d.transaction_id = ?1 ORDER BY v.id");
    auto& s = database.statement(sql);
    s.bind(1, rowID);
    while (s.step()) {
        auto v = std::make_shared<ZKValidation>();
        table.read(s, *v);
        elements.at(s.int64At(kOwnerID))->setValidation(v);
        attached.emplace_back(v, s.int64At(kRowID));
    }
    s.reset();
}

std::vector<std::int64_t> rowIDs(SqliteStatement& statement)
{
    std::vector<std::int64_t> ids;
    while (statement.step()) {
        ids.push_back(statement.int64At(0));
    }
    statement.reset();
    return ids;
}

} // namespace

std::shared_ptr<ZKTransaction> StoreRowReader::loadTransaction(std::int64_t rowID,
                                                               const std::shared_ptr<VeltObjectStore>& store)
{
    auto transaction = readTransaction(database_, rowID);
    if (!transaction) {
        return nullptr;
    }
    Attached attached{{transaction, rowID}};
    readActions(database_, *transaction, rowID, attached);
    readParticipants(database_, *transaction, rowID, attached);
    const auto documents = readDocuments(database_, *transaction, rowID, attached);
    const auto elements = readElements(database_, documents, rowID, attached);
    readValidations(database_, elements, rowID, attached);
    // Attached last, so that building the graph did not mark anything as changed.
    for (const auto& [object, id] : attached) {
        object->attachToStore(store, id);
    }
    return transaction;
}

std::vector<std::int64_t> StoreRowReader::transactionRowsWithGuid(const std::string& guid)
{
    auto& statement = database_.statement("SELECT id FROM transactions WHERE guid = ?1 COLLATE NOCASE ORDER BY id");
    statement.bind(1, guid);
    return rowIDs(statement);
}

std::vector<std::int64_t> StoreRowReader::allTransactionRows()
{
    return rowIDs(database_.statement("SELECT id FROM transactions ORDER BY last_update DESC, id"));
}

std::vector<std::pair<std::int64_t, std::string>> StoreRowReader::radioGroups(const std::string& approvalIdent,
                                                                             const std::string& documentIdent)
{
    auto& s = database_.statement(
        // CROSS JOIN keeps the document first, so only its radio elements are visited.
        "SELECT e.id, v.group_name FROM documents d CROSS JOIN elements e ON e.document_id = d.id "
        "AND e.type = 'Radio' "
        "AND e.approval = ?1 JOIN validations v ON v.element_id = e.id "
        "WHERE d.ident = ?2 AND v.group_name IS NOT NULL");
    s.bind(1, approvalIdent).bind(2, documentIdent);
    std::vector<std::pair<std::int64_t, std::string>> groups;
    while (s.step()) {
        groups.emplace_back(s.int64At(0), s.textAt(1));
    }
    s.reset();
    return groups;
}

std::vector<std::pair<std::string, std::string>> StoreRowReader::documentFiles()
{
    auto& statement = database_.statement("SELECT t.guid, d.file_name FROM documents d JOIN transactions t "
                                          "ON d.transaction_id = t.id WHERE d.file_name <> ''");
    std::vector<std::pair<std::string, std::string>> files;
    while (statement.step()) {
        files.emplace_back(statement.textAt(0), statement.textAt(1));
    }
    statement.reset();
    return files;
}

std::vector<std::int64_t> StoreRowReader::lastRowIDs()
{
    using Entity = VeltManagedObject::Entity;
    std::vector<std::int64_t> ids;
    for (const auto entity : {Entity::Transaction, Entity::Document, Entity::Element, Entity::Participant,
                              Entity::Validation, Entity::PredefinedActions}) {
        auto& statement =
            database_.statement("SELECT coalesce(max(id), 0) FROM " + StoreTables::layoutOf(entity).name());
        ids.push_back(statement.step() ? statement.int64At(0) : 0);
        statement.reset();
    }
    return ids;
}
