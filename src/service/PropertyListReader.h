#pragma once

#include "foundation/Dictionary.h"

#include <optional>
#include <string>
#include <string_view>

// Reads a property list, in its XML or its binary form (libplist), whose root is a
// dictionary of strings, integers, reals and nested dictionaries: what the host's
// "Server.plist" holds. Anything else is refused with a message: bytes that are no
// property list, other value kinds, strings or keys that are not UTF-8, reals that are
// not finite, dictionaries nested more than 32 deep.
//
// Integers are signed 64-bit, as the binary form stores them. libplist reads an XML
// integer leniently: the digits it begins with, held at the 64-bit limits.
//
// Without state; safe from any thread.
class PropertyListReader {
public:
    static std::optional<Dictionary> read(std::string_view bytes, std::string* error = nullptr);
};
