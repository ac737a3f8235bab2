#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

// The dictionaries the system exchanges (row and input dictionaries, service replies,
// transaction dictionaries) keep their keys in insertion order. nil is an absent key.
using Dictionary = nlohmann::ordered_json;

// Reads of one key of a dictionary, for dictionaries of any origin: a key that is
// missing, a value of another type, or a dictionary that is not an object all read as
// absent, never as an exception.
namespace platform::dictionary {

// The text under the key; nothing for any other value.
std::optional<std::string> stringAt(const Dictionary& dictionary, std::string_view key);
// The text under the key, or a whole number written in decimal (services send some
// identifiers either way); nothing for any other value.
std::optional<std::string> stringOrIntegerAt(const Dictionary& dictionary, std::string_view key);
// Only a boolean true is true: a number under the key reads as false.
bool booleanAt(const Dictionary& dictionary, std::string_view key);
// A "boolean number": a boolean, or a number that is true when it is not zero (what a
// host hands in as a number for YES reads as YES).
bool booleanOrNumberAt(const Dictionary& dictionary, std::string_view key);
// A copy of the object under the key; an empty object for any other value.
Dictionary objectAt(const Dictionary& dictionary, std::string_view key);

} // namespace platform::dictionary
