#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text helpers over ICU. Strings are UTF-8.
namespace platform::text {

// Removes leading and trailing spaces and tabs.
std::string trimSpacesAndTabs(std::string_view s);
// Removes leading and trailing Unicode space separators (Zs) and tabs.
std::string trimWhitespace(std::string_view s);
// Removes leading and trailing Unicode white space, line breaks included.
std::string trimWhitespaceAndNewlines(std::string_view s);

bool isDecimalDigit(char32_t c);
// True when every code point is a Unicode decimal digit (false for "").
bool isAllDecimalDigits(std::string_view s);
std::size_t utf16Length(std::string_view s);
// Upper-cases the first character and leaves the rest.
std::string capitalizeFirst(std::string_view s);
std::string toLower(std::string_view s);
std::string toUpper(std::string_view s);
// <0, 0, >0 as a localised, case-insensitive comparison in the device's locale.
int localizedCaseInsensitiveCompare(std::string_view a, std::string_view b);
bool caseInsensitiveEquals(std::string_view a, std::string_view b);
bool isValidUtf8(std::string_view s);
// The text with each byte sequence that is no UTF-8 replaced by U+FFFD.
std::string validUtf8(std::string_view s);
// The text without NUL and without the bidirectional embeddings, overrides and isolates
// (U+202A-U+202E, U+2066-U+2069), which make a name show as another:
// "report\u202Etxt.exe.pdf" reads "reportfdp.exe.txt". Other bytes are kept as they are.
std::string removingNulAndBidiControls(std::string_view s);
// Appends one code point as UTF-8; surrogates and values past U+10FFFF become U+FFFD.
void appendUtf8(std::string& out, char32_t codePoint);
// 0 to 15 for a hexadecimal digit of either case, -1 for any other character.
int hexDigitValue(char c);
// Replaces every `escape` followed by two hexadecimal digits with the byte they name
// ("%41" with '%', "=41" with '='); an escape without two digits stays as it is.
std::string decodeHexEscapes(std::string_view s, char escape);

} // namespace platform::text
