#include "contacts/VCardProperty.h"

#include <algorithm>

namespace platform::contacts {
namespace {

std::string upper(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
        [](unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c); });
    return result;
}

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
        [](unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c); });
    return result;
}

bool isEncodingName(std::string_view name)
{
    return name == "QUOTED-PRINTABLE" || name == "BASE64" || name == "B" || name == "8BIT" || name == "7BIT";
}

std::string unquoted(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// The position of the colon that ends the name and parameters; colons inside quoted
// parameter values do not count.
std::size_t valueSeparator(std::string_view line)
{
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return std::string_view::npos;
}

std::vector<std::string_view> splitParameters(std::string_view head)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= head.size(); ++i) {
        if (i < head.size() && head[i] == '"')
            quoted = !quoted;
        if (i == head.size() || (head[i] == ';' && !quoted)) {
            parts.push_back(head.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace

std::optional<VCardProperty> VCardProperty::parse(std::string_view line)
{
    const std::size_t colon = valueSeparator(line);
    if (colon == std::string_view::npos)
        return std::nullopt;
    const auto parts = splitParameters(line.substr(0, colon));
    std::string_view name = parts.front();
    if (const std::size_t dot = name.find('.'); dot != std::string_view::npos)
        name = name.substr(dot + 1);
    if (name.empty())
        return std::nullopt;
    VCardProperty property;
    property.name = upper(name);
    property.value = std::string(line.substr(colon + 1));
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::size_t equals = parts[i].find('=');
        if (equals != std::string_view::npos) {
            property.parameters.emplace_back(upper(parts[i].substr(0, equals)), unquoted(parts[i].substr(equals + 1)));
            continue;
        }
        const std::string bare = upper(parts[i]);
        property.parameters.emplace_back(isEncodingName(bare) ? "ENCODING" : "TYPE", bare);
    }
    return property;
}

std::optional<std::string> VCardProperty::parameter(std::string_view parameterName) const
{
    for (const auto& [key, value] : parameters) {
        if (key == parameterName)
            return value;
    }
    return std::nullopt;
}

std::vector<std::string> VCardProperty::types() const
{
    std::vector<std::string> result;
    for (const auto& [key, value] : parameters) {
        if (key != "TYPE")
            continue;
        std::size_t start = 0;
        for (std::size_t comma = value.find(','); ; comma = value.find(',', start)) {
            result.push_back(lower(value.substr(start, comma - start)));
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
    }
    return result;
}

bool VCardProperty::isQuotedPrintable() const
{
    const auto encoding = parameter("ENCODING");
    return encoding && upper(*encoding) == "QUOTED-PRINTABLE";
}

bool VCardProperty::isBase64() const
{
    const auto encoding = parameter("ENCODING");
    return encoding && (upper(*encoding) == "B" || upper(*encoding) == "BASE64");
}

} // namespace platform::contacts
