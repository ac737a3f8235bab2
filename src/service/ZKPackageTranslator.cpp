#include "service/ZKPackageTranslator.h"

#include <initializer_list>
#include <utility>

namespace {

using Renames = std::initializer_list<std::pair<const char*, const char*>>;

// The entries of `from` named in `renames`, under their new names; missing ones are left out.
Dictionary pick(const Dictionary& from, Renames renames)
{
    auto to = Dictionary::object();
    if (!from.is_object()) {
        return to;
    }
    for (const auto& [source, target] : renames) {
        if (const auto value = from.find(source); value != from.end()) {
            to[target] = *value;
        }
    }
    return to;
}

Dictionary listOf(const Dictionary& from, const char* key)
{
    const auto list = from.is_object() ? from.find(key) : from.end();
    return list != from.end() && list->is_array() ? *list : Dictionary::array();
}

Dictionary field(const Dictionary& element)
{
    return pick(element, {{"ident", "id"}, {"name", "name"}, {"type", "type"}, {"autofill", "autofill"},
                          {"content", "value"}, {"readOnly", "readOnly"}, {"approval", "approval"}, {"page", "page"},
                          {"x", "left"}, {"y", "top"}, {"width", "width"}, {"height", "height"}, {"roles", "roles"},
                          {"validation", "validation"}});
}

Dictionary document(const Dictionary& source)
{
    auto result = pick(source, {{"ident", "id"}, {"name", "name"}, {"order", "index"}});
    auto fields = Dictionary::array();
    for (const auto& element : listOf(source, "elements")) {
        fields.push_back(field(element));
    }
    result["fields"] = std::move(fields);
    return result;
}

Dictionary role(const Dictionary& participant)
{
    auto result = pick(participant, {{"uid", "id"}, {"order", "index"}, {"isOwner", "isOwner"}, {"isGroup", "isGroup"},
                                     {"allowChangeSigners", "reassign"}, {"emailMessage", "emailMessage"},
                                     {"authentication", "authentication"}});
    result["signer"] = pick(participant, {{"email", "email"}, {"firstName", "firstName"}, {"lastName", "lastName"},
                                          {"title", "title"}, {"company", "company"}});
    return result;
}

ZKError mismatch(const std::string& what)
{
    return ZKError::make(ZKError::unexpectedReply, "The created package does not match what was sent: " + what + ".");
}

// Adds sent id -> created id for each pair of `sent` and `created`; false when a pair
// lacks an id.
bool pairIds(const Dictionary& sent, const Dictionary& created, std::map<std::string, std::string>& ids)
{
    if (!created.is_array() || created.size() != sent.size()) {
        return false;
    }
    for (std::size_t i = 0; i < sent.size(); ++i) {
        const auto& from = sent[i];
        const auto& to = created[i];
        if (!from.is_object() || !to.is_object() || !from.contains("id") || !from["id"].is_string() ||
            !to.contains("id") || !to["id"].is_string() || to["id"].get_ref<const std::string&>().empty()) {
            return false;
        }
        ids[from["id"].get<std::string>()] = to["id"].get<std::string>();
    }
    return true;
}

} // namespace

Dictionary ZKPackageTranslator::packageFromTransactionDictionary(const Dictionary& transaction)
{
    auto package = pick(transaction, {{"guid", "id"}, {"title", "name"}, {"description", "description"}});
    package["status"] = "DRAFT";
    package.update(pick(transaction, {{"emailMessage", "emailMessage"}, {"due", "due"}, {"advancedOptions", "settings"},
                                      {"trxAttributes", "attributes"}}));
    auto roles = Dictionary::array();
    for (const auto& participant : listOf(transaction, "participants")) {
        roles.push_back(role(participant));
    }
    package["roles"] = std::move(roles);
    auto documents = Dictionary::array();
    for (const auto& source : listOf(transaction, "documents")) {
        documents.push_back(document(source));
    }
    package["documents"] = std::move(documents);
    return package;
}

std::variant<ZKPackageIdentifiers, ZKError> ZKPackageTranslator::identifiersFromCreatedPackage(const Dictionary& sent,
                                                                                              const Dictionary& created)
{
    if (!created.is_object() || !created.contains("id") || !created["id"].is_string() ||
        created["id"].get_ref<const std::string&>().empty()) {
        return mismatch("no package id");
    }
    ZKPackageIdentifiers identifiers{created["id"].get<std::string>(), {}};
    if (!pairIds(listOf(sent, "roles"), created.value("roles", Dictionary()), identifiers.ids)) {
        return mismatch("roles");
    }
    const auto sentDocuments = listOf(sent, "documents");
    const auto& createdDocuments = created.value("documents", Dictionary());
    if (!pairIds(sentDocuments, createdDocuments, identifiers.ids)) {
        return mismatch("documents");
    }
    for (std::size_t i = 0; i < sentDocuments.size(); ++i) {
        if (!pairIds(listOf(sentDocuments[i], "fields"), createdDocuments[i].value("fields", Dictionary()),
                     identifiers.ids)) {
            return mismatch("fields");
        }
    }
    return identifiers;
}
