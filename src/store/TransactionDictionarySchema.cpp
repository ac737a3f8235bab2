#include "store/TransactionDictionarySchema.h"

#include <cmath>
#include <limits>
#include <vector>

namespace {

enum class Kind { string, optionalString, boolean, integer, optionalInteger, number, optionalNumber, object, strings, objects };

struct Field;
using Schema = std::vector<Field>;

struct Field {
    const char* key;
    Kind kind;
    const Schema* items = nullptr; // for objects (and object): the shape of each item
    bool required = false;         // a non-empty string that must be present
};

const Schema kValidation = {
    {"required", Kind::boolean}, {"maxLength", Kind::optionalInteger},
    {"enumeration", Kind::strings}, {"pattern", Kind::optionalString}};

const Schema kElement = {
    {"ident", Kind::string, nullptr, true}, {"name", Kind::string}, {"type", Kind::string},
    {"autofill", Kind::optionalString}, {"content", Kind::string}, {"readOnly", Kind::boolean},
    {"approval", Kind::optionalString}, {"page", Kind::integer}, {"x", Kind::number}, {"y", Kind::number},
    {"width", Kind::number}, {"height", Kind::number}, {"roles", Kind::strings},
    {"validation", Kind::object, &kValidation}};

const Schema kDocument = {
    {"ident", Kind::string, nullptr, true}, {"name", Kind::string}, {"order", Kind::integer},
    {"fileName", Kind::string}, {"elements", Kind::objects, &kElement}};

const Schema kParticipant = {
    {"uid", Kind::string, nullptr, true}, {"order", Kind::integer}, {"email", Kind::string},
    {"firstName", Kind::string}, {"lastName", Kind::string}, {"title", Kind::string}, {"company", Kind::string},
    {"isOwner", Kind::boolean}, {"isGroup", Kind::boolean}, {"authentication", Kind::object},
    {"emailMessage", Kind::string}, {"allowChangeSigners", Kind::boolean}};

const Schema kAdvancedOptions = {
    {"inPerson", Kind::boolean}, {"autocomplete", Kind::boolean}, {"orderSigning", Kind::boolean}};

const Schema kActions = {
    {"deleteOnServer", Kind::boolean}, {"createOnServer", Kind::boolean}, {"send", Kind::boolean},
    {"sign", Kind::boolean}, {"optOut", Kind::boolean}, {"complete", Kind::boolean}};

const Schema kTransaction = {
    {"guid", Kind::string, nullptr, true}, {"title", Kind::string}, {"description", Kind::string},
    {"status", Kind::string}, {"draft", Kind::boolean}, {"local", Kind::boolean}, {"lastUpdate", Kind::number},
    {"due", Kind::optionalNumber}, {"emailMessage", Kind::string},
    {"advancedOptions", Kind::object, &kAdvancedOptions}, {"trxAttributes", Kind::object},
    {"predefinedActions", Kind::object, &kActions}, {"participants", Kind::objects, &kParticipant},
    {"documents", Kind::objects, &kDocument}};

bool isFiniteNumber(const Dictionary& value)
{
    return value.is_number() && std::isfinite(value.get<double>());
}

bool isInteger(const Dictionary& value)
{
    if (!isFiniteNumber(value)) {
        return false;
    }
    const double number = value.get<double>();
    return number >= std::numeric_limits<int>::min() && number <= std::numeric_limits<int>::max();
}

bool isStrings(const Dictionary& value)
{
    if (!value.is_array()) {
        return false;
    }
    for (const auto& item : value) {
        if (!item.is_string()) {
            return false;
        }
    }
    return true;
}

bool hasKind(const Dictionary& value, Kind kind)
{
    switch (kind) {
    case Kind::string:
    case Kind::optionalString: return value.is_string();
    case Kind::boolean: return value.is_boolean();
    case Kind::integer:
    case Kind::optionalInteger: return isInteger(value);
    case Kind::number:
    case Kind::optionalNumber: return isFiniteNumber(value);
    case Kind::object: return value.is_object();
    case Kind::strings: return isStrings(value);
    case Kind::objects: return value.is_array();
    }
    return false;
}

std::optional<std::string> problemInObject(const Dictionary& dictionary, const Schema& schema, const std::string& path);

std::optional<std::string> problemInItems(const Dictionary& items, const Schema& schema, const std::string& path)
{
    for (std::size_t index = 0; index < items.size(); ++index) {
        const auto itemPath = path + "[" + std::to_string(index) + "]";
        if (!items[index].is_object()) {
            return itemPath + ": not an object";
        }
        if (auto problem = problemInObject(items[index], schema, itemPath)) {
            return problem;
        }
    }
    return std::nullopt;
}

std::optional<std::string> problemInField(const Dictionary& dictionary, const Field& field, const std::string& path)
{
    const auto found = dictionary.find(field.key);
    const auto fieldPath = path.empty() ? std::string(field.key) : path + "." + field.key;
    if (found == dictionary.end() || found->is_null()) {
        return field.required ? std::optional(fieldPath + ": missing") : std::nullopt;
    }
    if (!hasKind(*found, field.kind)) {
        return fieldPath + ": wrong type";
    }
    if (field.required && found->get_ref<const std::string&>().empty()) {
        return fieldPath + ": empty";
    }
    if (field.items && field.kind == Kind::objects) {
        return problemInItems(*found, *field.items, fieldPath);
    }
    if (field.items) {
        return problemInObject(*found, *field.items, fieldPath);
    }
    return std::nullopt;
}

std::optional<std::string> problemInObject(const Dictionary& dictionary, const Schema& schema, const std::string& path)
{
    for (const auto& field : schema) {
        if (auto problem = problemInField(dictionary, field, path)) {
            return problem;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> TransactionDictionarySchema::problemIn(const Dictionary& dictionary)
{
    if (!dictionary.is_object()) {
        return "not an object";
    }
    return problemInObject(dictionary, kTransaction, "");
}
