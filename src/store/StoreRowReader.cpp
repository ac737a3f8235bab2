#include "store/StoreRowReader.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/SqliteDatabase.h"

#include <unordered_map>

namespace {

using Attached = std::vector<std::pair<std::shared_ptr<VeltManagedObject>, std::int64_t>>;

// A JSON column; a value that does not parse (or is not of the wanted kind) reads as empty.
Dictionary jsonObjectAt(const SqliteStatement& statement, int column)
{
    auto value = Dictionary::parse(statement.textAt(column), nullptr, false);
    return value.is_object() ? value : Dictionary::object();
}

std::vector<std::string> stringsAt(const SqliteStatement& statement, int column)
{
    const auto value = Dictionary::parse(statement.textAt(column), nullptr, false);
    std::vector<std::string> strings;
    if (!value.is_array()) {
        return strings;
    }
    for (const auto& item : value) {
        if (item.is_string()) {
            strings.push_back(item.get<std::string>());
        }
    }
    return strings;
}

std::shared_ptr<ZKTransaction> readTransaction(SqliteDatabase& database, std::int64_t rowID)
{
    auto& s = database.statement(
        "SELECT guid, name, description, status, draft, local, last_update, expiry, email_message, in_person, "
        "autocomplete, order_signing, advanced_options, trx_attributes FROM transactions WHERE id = ?1");
    s.bind(1, rowID);
    if (!s.step()) {
        return nullptr;
    }
    auto t = std::make_shared<ZKTransaction>();
    t->setGuid(s.textAt(0));
    t->setName(s.textAt(1));
    t->setDesc(s.textAt(2));
    t->setStatus(s.textAt(3));
    t->setDraft(s.boolAt(4));
    t->setLocalFlag(s.boolAt(5));
    t->setLastUpdate(s.doubleAt(6));
    t->setExpiry(s.optionalDoubleAt(7));
    t->setEmailMessage(s.textAt(8));
    t->setInPerson(s.boolAt(9));
    t->setAutocomplete(s.boolAt(10));
    t->setOrderSigning(s.boolAt(11));
    t->setAdvancedOptions(jsonObjectAt(s, 12));
    t->setTrxAttributes(jsonObjectAt(s, 13));
    s.reset();
    return t;
}

void readActions(SqliteDatabase& database, ZKTransaction& transaction, std::int64_t rowID, Attached& attached)
{
    auto& s = database.statement(
        "SELECT id, delete_on_server, create_on_server, send, sign, opt_out, complete FROM predefined_actions "
        "WHERE transaction_id = ?1 ORDER BY id LIMIT 1");
    s.bind(1, rowID);
    if (!s.step()) {
        return;
    }
    auto a = std::make_shared<ZKPredefinedActions>();
    a->setDeleteOnServer(s.boolAt(1));
    a->setCreateOnServer(s.boolAt(2));
    a->setSend(s.boolAt(3));
    a->setSign(s.boolAt(4));
    a->setOptOut(s.boolAt(5));
    a->setComplete(s.boolAt(6));
    transaction.setPredefinedActions(a);
    attached.emplace_back(a, s.int64At(0));
    s.reset();
}

void readParticipants(SqliteDatabase& database, ZKTransaction& transaction, std::int64_t rowID, Attached& attached)
{
    auto& s = database.statement(
        "SELECT id, uid, sort_order, email, first_name, last_name, title, company, is_owner, is_group, "
        "authentication, email_message, allow_change_signers FROM participants WHERE transaction_id = ?1 "
        "ORDER BY sort_order, id");
    s.bind(1, rowID);
    while (s.step()) {
        auto p = std::make_shared<ZKParticipant>();
        p->setUid(s.textAt(1));
        p->setOrder(s.intAt(2));
        p->setEmail(s.textAt(3));
        p->setFirstName(s.textAt(4));
        p->setLastName(s.textAt(5));
        p->setTitle(s.textAt(6));
        p->setCompany(s.textAt(7));
        p->setIsOwner(s.boolAt(8));
        p->setIsGroup(s.boolAt(9));
        p->setAuthentication(jsonObjectAt(s, 10));
        p->setEmailMessage(s.textAt(11));
        p->setAllowChangeSigners(s.boolAt(12));
        transaction.addParticipant(p);
        attached.emplace_back(p, s.int64At(0));
    }
    s.reset();
}

std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>> readDocuments(SqliteDatabase& database,
                                                                           ZKTransaction& transaction,
                                                                           std::int64_t rowID, Attached& attached)
{
    std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>> documents;
    auto& s = database.statement(
        "SELECT id, ident, name, sort_order, file_name FROM documents WHERE transaction_id = ?1 "
        "ORDER BY sort_order, id");
    s.bind(1, rowID);
    while (s.step()) {
        auto d = std::make_shared<ZKDocument>();
        d->setIdent(s.textAt(1));
        d->setName(s.textAt(2));
        d->setOrder(s.intAt(3));
        d->setFileName(s.textAt(4));
        transaction.addDocument(d);
        attached.emplace_back(d, s.int64At(0));
        documents.emplace(s.int64At(0), d);
    }
    s.reset();
    return documents;
}

std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>> readElements(
    SqliteDatabase& database, const std::unordered_map<std::int64_t, std::shared_ptr<ZKDocument>>& documents,
    std::int64_t rowID, Attached& attached)
{
    std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>> elements;
    auto& s = database.statement(
        "SELECT e.id, e.document_id, e.ident, e.name, e.type, e.autofill, e.content, e.read_only, e.approval, "
        "e.page, e.x, e.y, e.width, e.height, e.roles FROM elements e JOIN documents d ON d.id = e.document_id "
        "WHERE d.transaction_id = ?1 ORDER BY e.id");
    s.bind(1, rowID);
    while (s.step()) {
        auto e = std::make_shared<ZKElement>();
        e->setIdent(s.textAt(2));
        e->setName(s.textAt(3));
        e->setType(s.textAt(4));
        e->setAutofill(s.optionalTextAt(5));
        e->setContent(s.textAt(6));
        e->setReadOnly(s.boolAt(7));
        e->setApproval(s.optionalTextAt(8));
        e->setPage(s.intAt(9));
        e->setFrame(platform::graphics::makeRect(s.doubleAt(10), s.doubleAt(11), s.doubleAt(12), s.doubleAt(13)));
        e->setRoles(stringsAt(s, 14));
        documents.at(s.int64At(1))->addElement(e);
        attached.emplace_back(e, s.int64At(0));
        elements.emplace(s.int64At(0), e);
    }
    s.reset();
    return elements;
}

void readValidations(SqliteDatabase& database,
                     const std::unordered_map<std::int64_t, std::shared_ptr<ZKElement>>& elements, std::int64_t rowID,
                     Attached& attached)
{
    auto& s = database.statement(
        "SELECT v.id, v.element_id, v.required, v.max_length, v.enumeration, v.pattern FROM validations v "
        "JOIN elements e ON e.id = v.element_id JOIN documents d ON d.id = e.document_id "
        "WHERE d.transaction_id = ?1 ORDER BY v.id");
    s.bind(1, rowID);
    while (s.step()) {
        auto v = std::make_shared<ZKValidation>();
        v->setRequired(s.boolAt(2));
        v->setMaxLength(s.optionalIntAt(3));
        v->setEnumeration(stringsAt(s, 4));
        v->setPattern(s.optionalTextAt(5));
        elements.at(s.int64At(1))->setValidation(v);
        attached.emplace_back(v, s.int64At(0));
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
    std::vector<std::int64_t> ids;
    for (const char* table : {"transactions", "documents", "elements", "participants", "validations",
                              "predefined_actions"}) {
        auto& statement = database_.statement(std::string("SELECT coalesce(max(id), 0) FROM ") + table);
        ids.push_back(statement.step() ? statement.int64At(0) : 0);
        statement.reset();
    }
    return ids;
}
