#pragma once

#include "foundation/Dictionary.h"

#include <optional>
#include <string>
#include <string_view>

// Reads an XML property list whose root is a dictionary of strings, integers, reals and
// nested dictionaries: what the host's "Server.plist" holds. Anything else (other value
// kinds, unbalanced tags, bad entities, numbers out of range) is refused with a message.
class ZKPropertyListParser {
public:
    static std::optional<Dictionary> parse(std::string_view text, std::string* error = nullptr);
};
