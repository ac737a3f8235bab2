#include "service/ZKPackageShape.h"

#include <array>

namespace {

constexpr std::array<ZKPackageShape::Key, 7> kPackage{{{"guid", "id"},
                                                       {"title", "name"},
                                                       {"description", "description"},
                                                       {"emailMessage", "emailMessage"},
                                                       {"due", "due"},
                                                       {"advancedOptions", "settings"},
                                                       {"trxAttributes", "attributes"}}};

constexpr std::array<ZKPackageShape::Key, 7> kRole{{{"uid", "id"},
                                                    {"order", "index"},
                                                    {"isOwner", "isOwner"},
                                                    {"isGroup", "isGroup"},
                                                    {"allowChangeSigners", "reassign"},
                                                    {"emailMessage", "emailMessage"},
                                                    {"authentication", "authentication"}}};

constexpr std::array<ZKPackageShape::Key, 5> kSigner{
    {{"email", "email"}, {"firstName", "firstName"}, {"lastName", "lastName"}, {"title", "title"}, {"company", "company"}}};

constexpr std::array<ZKPackageShape::Key, 3> kDocument{{{"ident", "id"}, {"name", "name"}, {"order", "index"}}};

constexpr std::array<ZKPackageShape::Key, 14> kField{{{"ident", "id"},
                                                      {"name", "name"},
                                                      {"type", "type"},
                                                      {"autofill", "autofill"},
                                                      {"content", "value"},
                                                      {"readOnly", "readOnly"},
                                                      {"approval", "approval"},
                                                      {"page", "page"},
                                                      {"x", "left"},
                                                      {"y", "top"},
                                                      {"width", "width"},
                                                      {"height", "height"},
                                                      {"roles", "roles"},
                                                      {"validation", "validation"}}};

Dictionary renamed(const Dictionary& from, ZKPackageShape::Keys keys, bool toPackage)
{
    auto to = Dictionary::object();
    if (!from.is_object()) {
        return to;
    }
    for (const auto& key : keys) {
        const char* source = toPackage ? key.transaction : key.package;
        const char* target = toPackage ? key.package : key.transaction;
        if (const auto value = from.find(source); value != from.end()) {
            to[target] = *value;
        }
    }
    return to;
}

} // namespace

ZKPackageShape::Keys ZKPackageShape::package()
{
    return kPackage;
}

ZKPackageShape::Keys ZKPackageShape::role()
{
    return kRole;
}

ZKPackageShape::Keys ZKPackageShape::signer()
{
    return kSigner;
}

ZKPackageShape::Keys ZKPackageShape::document()
{
    return kDocument;
}

ZKPackageShape::Keys ZKPackageShape::field()
{
    return kField;
}

Dictionary ZKPackageShape::toPackage(const Dictionary& from, Keys keys)
{
    return renamed(from, keys, true);
}

Dictionary ZKPackageShape::toTransaction(const Dictionary& from, Keys keys)
{
    return renamed(from, keys, false);
}

Dictionary ZKPackageShape::listOf(const Dictionary& from, const char* key)
{
    const auto list = from.is_object() ? from.find(key) : from.end();
    return list != from.end() && list->is_array() ? *list : Dictionary::array();
}
