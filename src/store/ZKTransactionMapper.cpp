#include "store/ZKTransactionMapper.h"

#include "model/VeltObjectStore.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "model/ZKValidation.h"
#include "store/DictionaryReader.h"
#include "store/TransactionDictionarySchema.h"

#include <unordered_map>

namespace {

void applyAdvancedOptions(const DictionaryReader& options, ZKTransaction& transaction)
{
    transaction.setAdvancedOptions(options.dictionary());
    options.readBool("inPerson", [&](bool value) { transaction.setInPerson(value); });
    options.readBool("autocomplete", [&](bool value) { transaction.setAutocomplete(value); });
    options.readBool("orderSigning", [&](bool value) { transaction.setOrderSigning(value); });
}

void applyActions(const DictionaryReader& actions, ZKTransaction& transaction)
{
    auto& target = *transaction.predefinedActions();
    actions.readBool("deleteOnServer", [&](bool value) { target.setDeleteOnServer(value); });
    actions.readBool("createOnServer", [&](bool value) { target.setCreateOnServer(value); });
    actions.readBool("send", [&](bool value) { target.setSend(value); });
    actions.readBool("sign", [&](bool value) { target.setSign(value); });
    actions.readBool("optOut", [&](bool value) { target.setOptOut(value); });
    actions.readBool("complete", [&](bool value) { target.setComplete(value); });
}

void applyParticipant(const DictionaryReader& input, ZKParticipant& participant)
{
    input.readInt("order", [&](int value) { participant.setOrder(value); });
    input.readString("email", [&](std::string value) { participant.setEmail(std::move(value)); });
    input.readString("firstName", [&](std::string value) { participant.setFirstName(std::move(value)); });
    input.readString("lastName", [&](std::string value) { participant.setLastName(std::move(value)); });
    input.readString("title", [&](std::string value) { participant.setTitle(std::move(value)); });
    input.readString("company", [&](std::string value) { participant.setCompany(std::move(value)); });
    input.readBool("isOwner", [&](bool value) { participant.setIsOwner(value); });
    input.readBool("isGroup", [&](bool value) { participant.setIsGroup(value); });
    input.readObject("authentication", [&](const DictionaryReader& value) { participant.setAuthentication(value.dictionary()); });
    input.readString("emailMessage", [&](std::string value) { participant.setEmailMessage(std::move(value)); });
    input.readBool("allowChangeSigners", [&](bool value) { participant.setAllowChangeSigners(value); });
}

void applyValidation(const DictionaryReader& input, ZKValidation& validation)
{
    input.readBool("required", [&](bool value) { validation.setRequired(value); });
    input.readOptionalInt("maxLength", [&](std::optional<int> value) { validation.setMaxLength(value); });
    input.readStrings("enumeration", [&](std::vector<std::string> value) { validation.setEnumeration(std::move(value)); });
    input.readOptionalString("pattern", [&](std::optional<std::string> value) { validation.setPattern(std::move(value)); });
}

void applyElement(const DictionaryReader& input, ZKElement& element, VeltObjectStore& store)
{
    input.readString("name", [&](std::string value) { element.setName(std::move(value)); });
    input.readString("type", [&](std::string value) { element.setType(std::move(value)); });
    input.readOptionalString("autofill", [&](std::optional<std::string> value) { element.setAutofill(std::move(value)); });
    input.readString("content", [&](std::string value) { element.setContent(std::move(value)); });
    input.readBool("readOnly", [&](bool value) { element.setReadOnly(value); });
    input.readOptionalString("approval", [&](std::optional<std::string> value) { element.setApproval(std::move(value)); });
    input.readInt("page", [&](int value) { element.setPage(value); });
    auto frame = element.frame();
    input.readDouble("x", [&](double value) { frame.origin.x = value; });
    input.readDouble("y", [&](double value) { frame.origin.y = value; });
    input.readDouble("width", [&](double value) { frame.size.width = value; });
    input.readDouble("height", [&](double value) { frame.size.height = value; });
    element.setFrame(frame);
    input.readStrings("roles", [&](std::vector<std::string> value) { element.setRoles(std::move(value)); });
    input.readObject("validation", [&](const DictionaryReader& value) {
        if (!element.validation()) {
            auto validation = std::make_shared<ZKValidation>();
            store.insertObject(validation);
            element.setValidation(validation);
        }
        applyValidation(value, *element.validation());
    });
}

// Finds the item of `items` whose key (uid, ident) equals `key`, or makes a new one.
template <class T, class KeyOf, class Attach>
std::shared_ptr<T> matchOrInsert(const std::vector<std::shared_ptr<T>>& items, const std::string& key, KeyOf keyOf,
                                 VeltObjectStore& store, Attach attach)
{
    for (const auto& item : items) {
        if (keyOf(*item) == key) {
            return item;
        }
    }
    auto item = std::make_shared<T>();
    store.insertObject(item);
    attach(item);
    return item;
}

void applyElements(const DictionaryReader& list, ZKDocument& document, VeltObjectStore& store)
{
    std::vector<std::string> listed;
    list.forEachObject([&](const DictionaryReader& input) {
        const auto ident = input.requiredString("ident");
        listed.push_back(ident);
        const auto element = matchOrInsert(document.elements(), ident, [](const ZKElement& e) { return e.ident(); }, store,
                                           [&](const auto& item) {
                                               item->setIdent(ident);
                                               document.addElement(item);
                                           });
        applyElement(input, *element, store);
    });
    for (const auto& element : std::vector(document.elements())) {
        if (std::find(listed.begin(), listed.end(), element->ident()) == listed.end()) {
            document.removeElement(element);
        }
    }
}

void applyDocuments(const DictionaryReader& list, ZKTransaction& transaction, VeltObjectStore& store)
{
    std::vector<std::string> listed;
    list.forEachObject([&](const DictionaryReader& input) {
        const auto ident = input.requiredString("ident");
        listed.push_back(ident);
        const auto document = matchOrInsert(transaction.documents(), ident, [](const ZKDocument& d) { return d.ident(); },
                                            store, [&](const auto& item) {
                                                item->setIdent(ident);
                                                input.readInt("order", [&](int value) { item->setOrder(value); });
                                                transaction.addDocument(item);
                                            });
        input.readString("name", [&](std::string value) { document->setName(std::move(value)); });
        input.readInt("order", [&](int value) { document->setOrder(value); });
        input.readString("fileName", [&](std::string value) { document->setFileName(std::move(value)); });
        input.readArray("elements", [&](const DictionaryReader& value) { applyElements(value, *document, store); });
    });
    for (const auto& document : std::vector(transaction.documents())) {
        if (std::find(listed.begin(), listed.end(), document->ident()) == listed.end()) {
            transaction.removeDocument(document);
        }
    }
}

void applyParticipants(const DictionaryReader& list, ZKTransaction& transaction, VeltObjectStore& store)
{
    std::vector<std::string> listed;
    list.forEachObject([&](const DictionaryReader& input) {
        const auto uid = input.requiredString("uid");
        listed.push_back(uid);
        const auto participant = matchOrInsert(transaction.participants(), uid,
                                               [](const ZKParticipant& p) { return p.uid(); }, store,
                                               [&](const auto& item) {
                                                   item->setUid(uid);
                                                   input.readInt("order", [&](int value) { item->setOrder(value); });
                                                   transaction.addParticipant(item);
                                               });
        applyParticipant(input, *participant);
    });
    for (const auto& participant : std::vector(transaction.participants())) {
        if (std::find(listed.begin(), listed.end(), participant->uid()) == listed.end()) {
            transaction.removeParticipant(participant);
        }
    }
}

void applyTransaction(const DictionaryReader& input, ZKTransaction& transaction, VeltObjectStore& store)
{
    input.readString("title", [&](std::string value) { transaction.setName(std::move(value)); });
    input.readString("description", [&](std::string value) { transaction.setDesc(std::move(value)); });
    input.readString("status", [&](std::string value) { transaction.setStatus(std::move(value)); });
    input.readBool("draft", [&](bool value) { transaction.setDraft(value); });
    input.readBool("local", [&](bool value) { transaction.setLocalFlag(value); });
    input.readDouble("lastUpdate", [&](double value) { transaction.setLastUpdate(value); });
    input.readOptionalDouble("due", [&](std::optional<double> value) { transaction.setExpiry(value); });
    input.readString("emailMessage", [&](std::string value) { transaction.setEmailMessage(std::move(value)); });
    input.readObject("advancedOptions", [&](const DictionaryReader& value) { applyAdvancedOptions(value, transaction); });
    input.readObject("trxAttributes", [&](const DictionaryReader& value) { transaction.setTrxAttributes(value.dictionary()); });
    input.readObject("predefinedActions", [&](const DictionaryReader& value) { applyActions(value, transaction); });
    input.readArray("participants", [&](const DictionaryReader& value) { applyParticipants(value, transaction, store); });
    input.readArray("documents", [&](const DictionaryReader& value) { applyDocuments(value, transaction, store); });
    transaction.sortByOrder();
}

Dictionary validationDictionary(const ZKValidation& validation)
{
    Dictionary result = {{"required", validation.required()}, {"enumeration", validation.enumeration()}};
    if (validation.maxLength()) {
        result["maxLength"] = *validation.maxLength();
    }
    if (validation.pattern()) {
        result["pattern"] = *validation.pattern();
    }
    return result;
}

Dictionary elementDictionary(const ZKElement& element)
{
    Dictionary result = {{"ident", element.ident()}, {"name", element.name()}, {"type", element.type()}};
    if (element.autofill()) {
        result["autofill"] = *element.autofill();
    }
    result["content"] = element.content();
    result["readOnly"] = element.readOnly();
    if (element.approval()) {
        result["approval"] = *element.approval();
    }
    const auto& frame = element.frame();
    result["page"] = element.page();
    result["x"] = frame.origin.x;
    result["y"] = frame.origin.y;
    result["width"] = frame.size.width;
    result["height"] = frame.size.height;
    result["roles"] = element.roles();
    if (element.validation()) {
        result["validation"] = validationDictionary(*element.validation());
    }
    return result;
}

Dictionary documentDictionary(const ZKDocument& document)
{
    Dictionary elements = Dictionary::array();
    for (const auto& element : document.elements()) {
        elements.push_back(elementDictionary(*element));
    }
    return {{"ident", document.ident()}, {"name", document.name()}, {"order", document.order()},
            {"fileName", document.fileName()}, {"elements", std::move(elements)}};
}

Dictionary participantDictionary(const ZKParticipant& participant)
{
    return {{"uid", participant.uid()},           {"order", participant.order()},
            {"email", participant.email()},       {"firstName", participant.firstName()},
            {"lastName", participant.lastName()}, {"title", participant.title()},
            {"company", participant.company()},   {"isOwner", participant.isOwner()},
            {"isGroup", participant.isGroup()},   {"authentication", participant.authentication()},
            {"emailMessage", participant.emailMessage()}, {"allowChangeSigners", participant.allowChangeSigners()}};
}

Dictionary actionsDictionary(const ZKPredefinedActions& actions)
{
    return {{"deleteOnServer", actions.deleteOnServer()}, {"createOnServer", actions.createOnServer()},
            {"send", actions.send()},                     {"sign", actions.sign()},
            {"optOut", actions.optOut()},                 {"complete", actions.complete()}};
}

} // namespace

ZKTransactionMapper::Result ZKTransactionMapper::transactionFromDictionary(const Dictionary& dictionary,
                                                                           VeltObjectStore& store)
{
    if (auto problem = TransactionDictionarySchema::problemIn(dictionary)) {
        return ZKError::make(ZKError::unexpectedReply, "Invalid transaction dictionary: " + *problem);
    }
    const DictionaryReader input(dictionary);
    const auto guid = input.requiredString("guid");
    auto transaction = store.transactionWithGuid(guid);
    if (!transaction) {
        transaction = std::make_shared<ZKTransaction>();
        store.insertObject(transaction);
        transaction->setGuid(guid);
    }
    applyTransaction(input, *transaction, store);
    return transaction;
}

Dictionary ZKTransactionMapper::dictionaryFromTransaction(const ZKTransaction& transaction)
{
    Dictionary result = {{"guid", transaction.guid()},         {"title", transaction.name()},
                         {"description", transaction.desc()},  {"status", transaction.status()},
                         {"draft", transaction.draft()},       {"local", transaction.local()},
                         {"lastUpdate", transaction.lastUpdate()}};
    result["due"] = transaction.expiry() ? Dictionary(*transaction.expiry()) : Dictionary();
    result["emailMessage"] = transaction.emailMessage();
    auto options = transaction.advancedOptions();
    options["inPerson"] = transaction.inPerson();
    options["autocomplete"] = transaction.autocomplete();
    options["orderSigning"] = transaction.orderSigning();
    result["advancedOptions"] = std::move(options);
    result["trxAttributes"] = transaction.trxAttributes();
    if (const auto& actions = transaction.predefinedActionsIfAny()) {
        result["predefinedActions"] = actionsDictionary(*actions);
    }
    Dictionary participants = Dictionary::array();
    for (const auto& participant : transaction.participants()) {
        participants.push_back(participantDictionary(*participant));
    }
    result["participants"] = std::move(participants);
    Dictionary documents = Dictionary::array();
    for (const auto& document : transaction.documents()) {
        documents.push_back(documentDictionary(*document));
    }
    result["documents"] = std::move(documents);
    return result;
}
