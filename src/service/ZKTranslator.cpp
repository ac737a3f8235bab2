#include "service/ZKTranslator.h"

#include "service/ZKPackageShape.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>
#include <string>

namespace {

using Shape = ZKPackageShape;

ZKError badPackage(const std::string& what)
{
    return ZKError::make(ZKError::unexpectedReply, "The fetched package cannot be read: " + what + ".");
}

bool hasId(const Dictionary& item)
{
    const auto id = item.find("id");
    return id != item.end() && id->is_string() && !id->get_ref<const std::string&>().empty();
}

// Empty when `key` of `owner` is missing, null, or a list of objects with distinct ids.
std::optional<ZKError> problemInList(const Dictionary& owner, const char* key)
{
    const auto list = owner.find(key);
    if (list == owner.end() || list->is_null()) {
        return std::nullopt;
    }
    if (!list->is_array()) {
        return badPackage(std::string("\"") + key + "\" is not a list");
    }
    std::set<std::string> ids;
    for (const auto& item : *list) {
        if (!item.is_object() || !hasId(item)) {
            return badPackage(std::string("an entry of \"") + key + "\" has no id");
        }
        if (!ids.insert(item["id"].get<std::string>()).second) {
            return badPackage(std::string("two entries of \"") + key + "\" have the id " + item["id"].get<std::string>());
        }
    }
    return std::nullopt;
}

std::optional<ZKError> problemIn(const Dictionary& package)
{
    if (!package.is_object() || !hasId(package)) {
        return badPackage("it has no id");
    }
    if (package.contains("status") && !package["status"].is_null() && !package["status"].is_string()) {
        return badPackage("its status is not a text");
    }
    if (auto problem = problemInList(package, "roles")) {
        return problem;
    }
    if (auto problem = problemInList(package, "documents")) {
        return problem;
    }
    for (const auto& document : Shape::listOf(package, "documents")) {
        if (auto problem = problemInList(document, "fields")) {
            return problem;
        }
    }
    return std::nullopt;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

Dictionary participant(const Dictionary& role)
{
    auto result = Shape::toTransaction(role, Shape::role());
    if (const auto signer = role.find("signer"); signer != role.end()) {
        result.update(Shape::toTransaction(*signer, Shape::signer()));
    }
    return result;
}

Dictionary document(const Dictionary& source)
{
    auto result = Shape::toTransaction(source, Shape::document());
    auto elements = Dictionary::array();
    for (const auto& field : Shape::listOf(source, "fields")) {
        elements.push_back(Shape::toTransaction(field, Shape::field()));
    }
    result["elements"] = std::move(elements);
    return result;
}

} // namespace

ZKTranslator::Result ZKTranslator::transactionDictionaryFromPackage(const Dictionary& package)
{
    if (auto problem = problemIn(package)) {
        return *problem;
    }
    auto transaction = Shape::toTransaction(package, Shape::package());
    const auto found = package.find("status");
    const auto status = found != package.end() && found->is_string() ? lowerCase(found->get<std::string>()) : "";
    transaction["status"] = status;
    transaction["draft"] = status == "draft";
    transaction["local"] = false;
    auto participants = Dictionary::array();
    for (const auto& role : Shape::listOf(package, "roles")) {
        participants.push_back(participant(role));
    }
    transaction["participants"] = std::move(participants);
    auto documents = Dictionary::array();
    for (const auto& source : Shape::listOf(package, "documents")) {
        documents.push_back(document(source));
    }
    transaction["documents"] = std::move(documents);
    return transaction;
}
