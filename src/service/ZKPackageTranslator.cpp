#include "service/ZKPackageTranslator.h"

#include "service/ZKPackageShape.h"

#include <utility>

namespace {

using Shape = ZKPackageShape;

Dictionary document(const Dictionary& source)
{
    auto result = Shape::toPackage(source, Shape::document());
    auto fields = Dictionary::array();
    for (const auto& element : Shape::listOf(source, "elements")) {
        fields.push_back(Shape::toPackage(element, Shape::field()));
    }
    result["fields"] = std::move(fields);
    return result;
}

Dictionary role(const Dictionary& participant)
{
    auto result = Shape::toPackage(participant, Shape::role());
    result["signer"] = Shape::toPackage(participant, Shape::signer());
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
    auto package = Shape::toPackage(transaction, Shape::package());
    package["status"] = "DRAFT";
    auto roles = Dictionary::array();
    for (const auto& participant : Shape::listOf(transaction, "participants")) {
        roles.push_back(role(participant));
    }
    package["roles"] = std::move(roles);
    auto documents = Dictionary::array();
    for (const auto& source : Shape::listOf(transaction, "documents")) {
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
    if (!pairIds(Shape::listOf(sent, "roles"), created.value("roles", Dictionary()), identifiers.ids)) {
        return mismatch("roles");
    }
    const auto sentDocuments = Shape::listOf(sent, "documents");
    const auto& createdDocuments = created.value("documents", Dictionary());
    if (!pairIds(sentDocuments, createdDocuments, identifiers.ids)) {
        return mismatch("documents");
    }
    for (std::size_t i = 0; i < sentDocuments.size(); ++i) {
        if (!pairIds(Shape::listOf(sentDocuments[i], "fields"), createdDocuments[i].value("fields", Dictionary()),
                     identifiers.ids)) {
            return mismatch("fields");
        }
    }
    return identifiers;
}
