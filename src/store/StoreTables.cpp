#include "store/StoreTables.h"

#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"

namespace {

using Entity = VeltManagedObject::Entity;
using platform::graphics::Rect;

// A column of one number of an element's frame; `part` answers that number of a frame.
template <class Part>
StoreTable<ZKElement>::Column frameColumn(std::string name, Part part)
{
    return StoreTable<ZKElement>::field(
        std::move(name), [part](const ZKElement& element) { auto frame = element.frame(); return part(frame); },
        [part](ZKElement& element, double value) {
            auto frame = element.frame();
            part(frame) = value;
            element.setFrame(frame);
        });
}

} // namespace

const StoreTable<ZKTransaction>& StoreTables::transactions()
{
    using T = StoreTable<ZKTransaction>;
    static const T table("transactions", std::nullopt,
                         {T::field("guid", &ZKTransaction::guid, &ZKTransaction::setGuid),
                          T::field("name", &ZKTransaction::name, &ZKTransaction::setName),
                          T::field("description", &ZKTransaction::desc, &ZKTransaction::setDesc),
                          T::field("status", &ZKTransaction::status, &ZKTransaction::setStatus),
                          T::field("draft", &ZKTransaction::draft, &ZKTransaction::setDraft),
                          T::field("local", &ZKTransaction::local, &ZKTransaction::setLocalFlag),
                          T::field("last_update", &ZKTransaction::lastUpdate, &ZKTransaction::setLastUpdate),
                          T::field("expiry", &ZKTransaction::expiry, &ZKTransaction::setExpiry),
                          T::field("email_message", &ZKTransaction::emailMessage, &ZKTransaction::setEmailMessage),
                          T::field("in_person", &ZKTransaction::inPerson, &ZKTransaction::setInPerson),
                          T::field("autocomplete", &ZKTransaction::autocomplete, &ZKTransaction::setAutocomplete),
                          T::field("order_signing", &ZKTransaction::orderSigning, &ZKTransaction::setOrderSigning),
                          T::field("advanced_options", &ZKTransaction::advancedOptions,
                                   &ZKTransaction::setAdvancedOptions),
                          T::field("trx_attributes", &ZKTransaction::trxAttributes, &ZKTransaction::setTrxAttributes)});
    return table;
}

const StoreTable<ZKPredefinedActions>& StoreTables::predefinedActions()
{
    using T = StoreTable<ZKPredefinedActions>;
    using A = ZKPredefinedActions;
    static const T table("predefined_actions",
                         T::Owner{"transactions", "transaction_id", [](const A& a) { return a.transaction(); }},
                         {T::field("delete_on_server", &A::deleteOnServer, &A::setDeleteOnServer),
                          T::field("create_on_server", &A::createOnServer, &A::setCreateOnServer),
                          T::field("send", &A::send, &A::setSend),
                          T::field("sign", &A::sign, &A::setSign),
                          T::field("opt_out", &A::optOut, &A::setOptOut),
                          T::field("complete", &A::complete, &A::setComplete)});
    return table;
}

const StoreTable<ZKParticipant>& StoreTables::participants()
{
    using T = StoreTable<ZKParticipant>;
    using P = ZKParticipant;
    static const T table("participants",
                         T::Owner{"transactions", "transaction_id", [](const P& p) { return p.transaction(); }},
                         {T::field("uid", &P::uid, &P::setUid),
                          T::field("sort_order", &P::order, &P::setOrder),
                          T::field("email", &P::email, &P::setEmail),
                          T::field("first_name", &P::firstName, &P::setFirstName),
                          T::field("last_name", &P::lastName, &P::setLastName),
                          T::field("title", &P::title, &P::setTitle),
                          T::field("company", &P::company, &P::setCompany),
                          T::field("is_owner", &P::isOwner, &P::setIsOwner),
                          T::field("is_group", &P::isGroup, &P::setIsGroup),
                          T::field("authentication", &P::authentication, &P::setAuthentication),
                          T::field("email_message", &P::emailMessage, &P::setEmailMessage),
                          T::field("allow_change_signers", &P::allowChangeSigners, &P::setAllowChangeSigners)});
    return table;
}

const StoreTable<ZKDocument>& StoreTables::documents()
{
    using T = StoreTable<ZKDocument>;
    using D = ZKDocument;
    static const T table("documents",
                         T::Owner{"transactions", "transaction_id", [](const D& d) { return d.transaction(); }},
                         {T::field("ident", &D::ident, &D::setIdent),
                          T::field("name", &D::name, &D::setName),
                          T::field("sort_order", &D::order, &D::setOrder),
                          T::field("file_name", &D::fileName, &D::setFileName)});
    return table;
}

const StoreTable<ZKElement>& StoreTables::elements()
{
    using T = StoreTable<ZKElement>;
    using E = ZKElement;
    static const T table("elements", T::Owner{"documents", "document_id", [](const E& e) { return e.document(); }},
                         {T::field("ident", &E::ident, &E::setIdent),
                          T::field("name", &E::name, &E::setName),
                          T::field("type", &E::type, &E::setType),
                          T::field("autofill", &E::autofill, &E::setAutofill),
                          T::field("content", &E::content, &E::setContent),
                          T::field("read_only", &E::readOnly, &E::setReadOnly),
                          T::field("approval", &E::approval, &E::setApproval),
                          T::field("page", &E::page, &E::setPage),
                          frameColumn("x", [](Rect& frame) -> double& { return frame.origin.x; }),
                          frameColumn("y", [](Rect& frame) -> double& { return frame.origin.y; }),
                          frameColumn("width", [](Rect& frame) -> double& { return frame.size.width; }),
                          frameColumn("height", [](Rect& frame) -> double& { return frame.size.height; }),
                          T::field("roles", &E::roles, &E::setRoles)});
    return table;
}

const StoreTable<ZKValidation>& StoreTables::validations()
{
    using T = StoreTable<ZKValidation>;
    using V = ZKValidation;
    static const T table("validations",
                         T::Owner{"elements", "element_id", [](const V& v) { return v.element(); }},
                         {T::field("required", &V::required, &V::setRequired),
                          T::field("max_length", &V::maxLength, &V::setMaxLength),
                          T::field("enumeration", &V::enumeration, &V::setEnumeration),
                          // Kept for the radio group lookup; read back from the enumeration.
                          T::derived("group_name", &V::groupName),
                          T::field("pattern", &V::pattern, &V::setPattern)});
    return table;
}

const StoreTableLayout& StoreTables::layoutOf(Entity entity)
{
    switch (entity) {
    case Entity::Transaction: return transactions().layout();
    case Entity::Document: return documents().layout();
    case Entity::Element: return elements().layout();
    case Entity::Participant: return participants().layout();
    case Entity::Validation: return validations().layout();
    case Entity::PredefinedActions: return predefinedActions().layout();
    }
    return transactions().layout();
}

std::string StoreTables::createSql()
{
    std::string sql;
    for (const auto entity : {Entity::Transaction, Entity::PredefinedActions, Entity::Participant, Entity::Document,
                              Entity::Element, Entity::Validation}) {
        sql += layoutOf(entity).createSql();
    }
    return sql;
}
