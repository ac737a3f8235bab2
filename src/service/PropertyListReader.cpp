#include "service/PropertyListReader.h"

#include "foundation/Text.h"

#include <plist/plist.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <stdexcept>

namespace {

constexpr int kMaximumDepth = 32;

class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct NodeDeleter {
    void operator()(plist_t node) const { plist_free(node); }
};
using OwnedNode = std::unique_ptr<void, NodeDeleter>;

struct TextDeleter {
    void operator()(char* text) const { std::free(text); }
};

struct XmlDeleter {
    void operator()(char* xml) const { plist_to_xml_free(xml); }
};

// libplist's binary reader can leave a NUL byte inside a key, and its key getter then
// fails an assertion that aborts the process. Its XML writer carries such a key through
// and its XML reader ends every key at its first NUL, so a binary list is read through
// its XML form.
OwnedNode parsed(std::string_view bytes)
{
    const auto size = static_cast<std::uint32_t>(bytes.size());
    plist_t rawRoot = nullptr;
    plist_from_memory(bytes.data(), size, &rawRoot);
    OwnedNode root(rawRoot);
    if (!root || !plist_is_binary(bytes.data(), size)) {
        return root;
    }
    char* rawXml = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(root.get(), &rawXml, &length);
    const std::unique_ptr<char, XmlDeleter> xml(rawXml);
    plist_t reread = nullptr;
    if (xml) {
        plist_from_xml(xml.get(), length, &reread);
    }
    return OwnedNode(reread);
}

std::string utf8(std::string_view text, const char* what)
{
    if (!platform::text::isValidUtf8(text)) {
        throw ReadError(std::string(what) + " is not UTF-8");
    }
    return std::string(text);
}

std::string kindName(plist_type type)
{
    switch (type) {
    case PLIST_BOOLEAN:
        return "boolean";
    case PLIST_ARRAY:
        return "array";
    case PLIST_DATE:
        return "date";
    case PLIST_DATA:
        return "data";
    case PLIST_UID:
        return "UID";
    default:
        return "value";
    }
}

Dictionary dictionary(plist_t node, int depth);

Dictionary value(plist_t node, int depth)
{
    switch (const plist_type type = plist_get_node_type(node)) {
    case PLIST_DICT:
        return dictionary(node, depth + 1);
    case PLIST_STRING: {
        std::uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return utf8(std::string_view(text, length), "a string");
    }
    case PLIST_UINT: {
        std::uint64_t number = 0;
        plist_get_uint_val(node, &number);
        return static_cast<std::int64_t>(number);
    }
    case PLIST_REAL: {
        double number = 0;
        plist_get_real_val(node, &number);
        if (!std::isfinite(number)) {
            throw ReadError("a real is not finite");
        }
        return number;
    }
    default:
        throw ReadError("unsupported value of kind " + kindName(type));
    }
}

Dictionary dictionary(plist_t node, int depth)
{
    if (depth > kMaximumDepth) {
        throw ReadError("dictionaries nested too deeply");
    }
    auto result = Dictionary::object();
    plist_dict_iter iterator = nullptr;
    plist_dict_new_iter(node, &iterator);
    const std::unique_ptr<void, decltype(&std::free)> ownedIterator(iterator, &std::free);
    for (;;) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iterator, &rawKey, &item);
        const std::unique_ptr<char, TextDeleter> key(rawKey);
        if (!item) {
            return result;
        }
        result[utf8(key ? key.get() : "", "a key")] = value(item, depth);
    }
}

} // namespace

std::optional<Dictionary> PropertyListReader::read(std::string_view bytes, std::string* error)
{
    try {
        if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
            throw ReadError("too large");
        }
        const OwnedNode root = parsed(bytes);
        if (!root) {
            throw ReadError("neither an XML nor a binary property list");
        }
        if (plist_get_node_type(root.get()) != PLIST_DICT) {
            throw ReadError("the root value is not a dictionary");
        }
        return dictionary(root.get(), 1);
    } catch (const ReadError& failure) {
        if (error) {
            *error = failure.what();
        }
        return std::nullopt;
    }
}
