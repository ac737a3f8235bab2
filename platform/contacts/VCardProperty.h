#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::contacts {

// One unfolded content line of a contact card: "[group.]NAME[;PARAM[=value]]*:value".
// Names and parameter names are upper-cased; a bare parameter of the 2.1 form ("WORK",
// "QUOTED-PRINTABLE") is kept as a TYPE or ENCODING parameter, as later versions write it.
struct VCardProperty {
    std::string name;
    std::vector<std::pair<std::string, std::string>> parameters;
    std::string value;

    // nullopt for a line without a name or without the colon before its value.
    static std::optional<VCardProperty> parse(std::string_view line);

    // The value of the first parameter of that name.
    std::optional<std::string> parameter(std::string_view parameterName) const;
    // Every TYPE, lower-cased, comma lists split.
    std::vector<std::string> types() const;
    bool isQuotedPrintable() const;
    bool isBase64() const;
};

} // namespace platform::contacts
