#include "store/StoreRowWriter.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/SqliteDatabase.h"

namespace {

using Entity = VeltManagedObject::Entity;

const char* tableOf(Entity entity)
{
    switch (entity) {
    case Entity::Transaction: return "transactions";
    case Entity::Document: return "documents";
    case Entity::Element: return "elements";
    case Entity::Participant: return "participants";
    case Entity::Validation: return "validations";
    case Entity::PredefinedActions: return "predefined_actions";
    }
    return "";
}

// The row id of the owner, or NULL while the object has none.
template <class Owner>
SqliteStatement& bindOwner(SqliteStatement& statement, int index, const std::shared_ptr<Owner>& owner)
{
    return owner && owner->objectID() != 0 ? statement.bind(index, owner->objectID()) : statement.bindNull(index);
}

// Text of a JSON column. Strings that are not UTF-8 are written with replacement
// characters rather than failing the save.
std::string jsonOf(const Dictionary& value)
{
    return value.dump(-1, ' ', false, Dictionary::error_handler_t::replace);
}

bool writeTransaction(SqliteDatabase& database, const ZKTransaction& t)
{
    auto& statement = database.statement(
        "INSERT INTO transactions (id, guid, name, description, status, draft, local, last_update, expiry, "
        "email_message, in_person, autocomplete, order_signing, advanced_options, trx_attributes) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15) ON CONFLICT (id) DO UPDATE SET "
        "guid = ?2, name = ?3, description = ?4, status = ?5, draft = ?6, local = ?7, last_update = ?8, "
        "expiry = ?9, email_message = ?10, in_person = ?11, autocomplete = ?12, order_signing = ?13, "
        "advanced_options = ?14, trx_attributes = ?15");
    return statement.bind(1, t.objectID()).bind(2, t.guid()).bind(3, t.name()).bind(4, t.desc()).bind(5, t.status())
        .bind(6, t.draft()).bind(7, t.local()).bind(8, t.lastUpdate()).bind(9, t.expiry()).bind(10, t.emailMessage())
        .bind(11, t.inPerson()).bind(12, t.autocomplete()).bind(13, t.orderSigning())
        .bind(14, jsonOf(t.advancedOptions())).bind(15, jsonOf(t.trxAttributes()))
        .execute();
}

bool writeActions(SqliteDatabase& database, const ZKPredefinedActions& a)
{
    auto& statement = database.statement(
        "INSERT INTO predefined_actions (id, transaction_id, delete_on_server, create_on_server, send, sign, "
        "opt_out, complete) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) ON CONFLICT (id) DO UPDATE SET "
        "transaction_id = ?2, delete_on_server = ?3, create_on_server = ?4, send = ?5, sign = ?6, opt_out = ?7, "
        "complete = ?8");
    statement.bind(1, a.objectID());
    bindOwner(statement, 2, a.transaction());
    return statement.bind(3, a.deleteOnServer()).bind(4, a.createOnServer()).bind(5, a.send()).bind(6, a.sign())
        .bind(7, a.optOut()).bind(8, a.complete())
        .execute();
}

bool writeParticipant(SqliteDatabase& database, const ZKParticipant& p)
{
    auto& statement = database.statement(
        "INSERT INTO participants (id, transaction_id, uid, sort_order, email, first_name, last_name, title, "
        "company, is_owner, is_group, authentication, email_message, allow_change_signers) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14) ON CONFLICT (id) DO UPDATE SET "
        "transaction_id = ?2, uid = ?3, sort_order = ?4, email = ?5, first_name = ?6, last_name = ?7, title = ?8, "
        "company = ?9, is_owner = ?10, is_group = ?11, authentication = ?12, email_message = ?13, "
        "allow_change_signers = ?14");
    statement.bind(1, p.objectID());
    bindOwner(statement, 2, p.transaction());
    return statement.bind(3, p.uid()).bind(4, p.order()).bind(5, p.email()).bind(6, p.firstName())
        .bind(7, p.lastName()).bind(8, p.title()).bind(9, p.company()).bind(10, p.isOwner()).bind(11, p.isGroup())
        .bind(12, jsonOf(p.authentication())).bind(13, p.emailMessage()).bind(14, p.allowChangeSigners())
        .execute();
}

bool writeDocument(SqliteDatabase& database, const ZKDocument& d)
{
    auto& statement = database.statement(
        "INSERT INTO documents (id, transaction_id, ident, name, sort_order, file_name) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6) ON CONFLICT (id) DO UPDATE SET "
        "transaction_id = ?2, ident = ?3, name = ?4, sort_order = ?5, file_name = ?6");
    statement.bind(1, d.objectID());
    bindOwner(statement, 2, d.transaction());
    return statement.bind(3, d.ident()).bind(4, d.name()).bind(5, d.order()).bind(6, d.fileName()).execute();
}

bool writeElement(SqliteDatabase& database, const ZKElement& e)
{
    auto& statement = database.statement(
        "INSERT INTO elements (id, document_id, ident, name, type, autofill, content, read_only, approval, page, "
        "x, y, width, height, roles) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15) "
        "ON CONFLICT (id) DO UPDATE SET document_id = ?2, ident = ?3, name = ?4, type = ?5, autofill = ?6, "
        "content = ?7, read_only = ?8, approval = ?9, page = ?10, x = ?11, y = ?12, width = ?13, height = ?14, "
        "roles = ?15");
    statement.bind(1, e.objectID());
    bindOwner(statement, 2, e.document());
    const auto& frame = e.frame();
    return statement.bind(3, e.ident()).bind(4, e.name()).bind(5, e.type()).bind(6, e.autofill())
        .bind(7, e.content()).bind(8, e.readOnly()).bind(9, e.approval()).bind(10, e.page())
        .bind(11, frame.origin.x).bind(12, frame.origin.y).bind(13, frame.size.width).bind(14, frame.size.height)
        .bind(15, jsonOf(Dictionary(e.roles())))
        .execute();
}

bool writeValidation(SqliteDatabase& database, const ZKValidation& v)
{
    auto& statement = database.statement(
        "INSERT INTO validations (id, element_id, required, max_length, enumeration, group_name, pattern) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7) ON CONFLICT (id) DO UPDATE SET "
        "element_id = ?2, required = ?3, max_length = ?4, enumeration = ?5, group_name = ?6, pattern = ?7");
    statement.bind(1, v.objectID());
    bindOwner(statement, 2, v.element());
    return statement.bind(3, v.required()).bind(4, v.maxLength()).bind(5, jsonOf(Dictionary(v.enumeration())))
        .bind(6, v.groupName()).bind(7, v.pattern())
        .execute();
}

} // namespace

bool StoreRowWriter::write(const VeltManagedObject& object)
{
    switch (object.entity()) {
    case Entity::Transaction: return writeTransaction(database_, static_cast<const ZKTransaction&>(object));
    case Entity::Document: return writeDocument(database_, static_cast<const ZKDocument&>(object));
    case Entity::Element: return writeElement(database_, static_cast<const ZKElement&>(object));
    case Entity::Participant: return writeParticipant(database_, static_cast<const ZKParticipant&>(object));
    case Entity::Validation: return writeValidation(database_, static_cast<const ZKValidation&>(object));
    case Entity::PredefinedActions: return writeActions(database_, static_cast<const ZKPredefinedActions&>(object));
    }
    return false;
}

bool StoreRowWriter::remove(const VeltManagedObject& object)
{
    auto& statement = database_.statement(std::string("DELETE FROM ") + tableOf(object.entity()) + " WHERE id = ?1");
    return statement.bind(1, object.objectID()).execute();
}
