#include "DataManager/ZKIdentifierReplacement.h"

#include "foundation/Uuid.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"

#include <utility>

namespace {

const Dictionary* listAt(const Dictionary& object, const char* key)
{
    if (!object.is_object() || !object.contains(key) || !object[key].is_array()) {
        return nullptr;
    }
    return &object[key];
}

Dictionary* listAt(Dictionary& object, const char* key)
{
    if (!object.is_object() || !object.contains(key) || !object[key].is_array()) {
        return nullptr;
    }
    return &object[key];
}

void collect(const Dictionary& list, const char* key, std::map<std::string, std::string>& ids)
{
    for (const auto& item : list) {
        if (item.is_object() && item.contains(key) && item[key].is_string()) {
            ids[item[key].get<std::string>()] = platform::makeUuidString();
        }
    }
}

} // namespace

ZKIdentifierReplacement::ZKIdentifierReplacement(ZKPackageIdentifiers identifiers)
    : identifiers_(std::move(identifiers))
{
}

ZKIdentifierReplacement ZKIdentifierReplacement::freshIdentifiersFor(const Dictionary& transaction)
{
    ZKPackageIdentifiers identifiers{platform::makeUuidString(), {}};
    if (const auto* participants = listAt(transaction, "participants")) {
        collect(*participants, "uid", identifiers.ids);
    }
    if (const auto* documents = listAt(transaction, "documents")) {
        collect(*documents, "ident", identifiers.ids);
        for (const auto& document : *documents) {
            if (const auto* elements = listAt(document, "elements")) {
                collect(*elements, "ident", identifiers.ids);
            }
        }
    }
    return ZKIdentifierReplacement(std::move(identifiers));
}

ZKIdentifierReplacement ZKIdentifierReplacement::inverse(const std::string& guid) const
{
    ZKPackageIdentifiers inverted{guid, {}};
    for (const auto& [from, to] : identifiers_.ids) {
        inverted.ids[to] = from;
    }
    return ZKIdentifierReplacement(std::move(inverted));
}

std::string ZKIdentifierReplacement::replaced(const std::string& id) const
{
    const auto found = identifiers_.ids.find(id);
    return found == identifiers_.ids.end() ? id : found->second;
}

void ZKIdentifierReplacement::applyToDictionary(Dictionary& transaction) const
{
    if (!transaction.is_object()) {
        return;
    }
    transaction["guid"] = identifiers_.guid;
    if (auto* participants = listAt(transaction, "participants")) {
        for (auto& participant : *participants) {
            replaceStringAt(participant, "uid");
        }
    }
    auto* documents = listAt(transaction, "documents");
    if (!documents) {
        return;
    }
    for (auto& document : *documents) {
        replaceStringAt(document, "ident");
        if (auto* elements = listAt(document, "elements")) {
            for (auto& element : *elements) {
                replaceInElement(element);
            }
        }
    }
}

void ZKIdentifierReplacement::replaceInElement(Dictionary& element) const
{
    replaceStringAt(element, "ident");
    replaceStringAt(element, "approval");
    auto* roles = listAt(element, "roles");
    if (!roles) {
        return;
    }
    for (auto& role : *roles) {
        if (role.is_string()) {
            role = replaced(role.get<std::string>());
        }
    }
}

void ZKIdentifierReplacement::replaceStringAt(Dictionary& object, const char* key) const
{
    if (object.is_object() && object.contains(key) && object[key].is_string()) {
        object[key] = replaced(object[key].get<std::string>());
    }
}

void ZKIdentifierReplacement::applyToTransaction(ZKTransaction& transaction) const
{
    transaction.setGuid(identifiers_.guid);
    for (const auto& participant : transaction.participants()) {
        participant->setUid(replaced(participant->uid()));
    }
    for (const auto& document : transaction.documents()) {
        document->setIdent(replaced(document->ident()));
        for (const auto& element : document->elements()) {
            element->setIdent(replaced(element->ident()));
            if (element->approval()) {
                element->setApproval(replaced(*element->approval()));
            }
            auto roles = element->roles();
            for (auto& role : roles) {
                role = replaced(role);
            }
            element->setRoles(std::move(roles));
        }
    }
}
