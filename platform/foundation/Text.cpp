#include "foundation/Text.h"

#include "foundation/Environment.h"

#include <unicode/coll.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <functional>
#include <memory>

namespace platform::text {

namespace {

icu::UnicodeString toUnicode(std::string_view s)
{
    return icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
}

std::string toUtf8(const icu::UnicodeString& s)
{
    std::string out;
    s.toUTF8String(out);
    return out;
}

// Decodes the code point at `i`, advancing it; malformed bytes decode as U+FFFD.
char32_t nextCodePoint(std::string_view s, int32_t& i)
{
    UChar32 c;
    U8_NEXT(reinterpret_cast<const uint8_t*>(s.data()), i, static_cast<int32_t>(s.size()), c);
    return c < 0 ? 0xFFFD : static_cast<char32_t>(c);
}

std::string trim(std::string_view s, const std::function<bool(char32_t)>& isTrimmed)
{
    int32_t begin = 0;
    const auto length = static_cast<int32_t>(s.size());
    while (begin < length) {
        int32_t next = begin;
        if (!isTrimmed(nextCodePoint(s, next)))
            break;
        begin = next;
    }
    int32_t end = begin;
    int32_t cursor = begin;
    while (cursor < length) {
        const char32_t c = nextCodePoint(s, cursor);
        if (!isTrimmed(c))
            end = cursor;
    }
    return std::string(s.substr(static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)));
}

} // namespace

std::string trimSpacesAndTabs(std::string_view s)
{
    return trim(s, [](char32_t c) { return c == ' ' || c == '\t'; });
}

std::string trimWhitespace(std::string_view s)
{
    return trim(s, [](char32_t c) { return c == '\t' || u_charType(static_cast<UChar32>(c)) == U_SPACE_SEPARATOR; });
}

std::string trimWhitespaceAndNewlines(std::string_view s)
{
    return trim(s, [](char32_t c) { return u_isUWhiteSpace(static_cast<UChar32>(c)) != 0; });
}

bool isDecimalDigit(char32_t c)
{
    return u_charType(static_cast<UChar32>(c)) == U_DECIMAL_DIGIT_NUMBER;
}

bool isAllDecimalDigits(std::string_view s)
{
    if (s.empty())
        return false;
    int32_t i = 0;
    while (i < static_cast<int32_t>(s.size())) {
        if (!isDecimalDigit(nextCodePoint(s, i)))
            return false;
    }
    return true;
}

std::size_t utf16Length(std::string_view s)
{
    return static_cast<std::size_t>(toUnicode(s).length());
}

std::string capitalizeFirst(std::string_view s)
{
    if (s.empty())
        return {};
    int32_t end = 0;
    nextCodePoint(s, end);
    auto first = toUnicode(s.substr(0, static_cast<std::size_t>(end)));
    first.toUpper(icu::Locale(Environment::locale().c_str()));
    return toUtf8(first) + std::string(s.substr(static_cast<std::size_t>(end)));
}

std::string toLower(std::string_view s)
{
    auto u = toUnicode(s);
    u.toLower(icu::Locale(Environment::locale().c_str()));
    return toUtf8(u);
}

std::string toUpper(std::string_view s)
{
    auto u = toUnicode(s);
    u.toUpper(icu::Locale(Environment::locale().c_str()));
    return toUtf8(u);
}

namespace {

// Making a collator costs far more than one comparison, so each thread keeps the one
// of the locale it last compared in.
const icu::Collator* caseInsensitiveCollator()
{
    thread_local std::string localeId;
    thread_local std::unique_ptr<icu::Collator> collator;
    const auto current = Environment::locale();
    if (collator && localeId == current)
        return collator.get();
    UErrorCode status = U_ZERO_ERROR;
    collator.reset(icu::Collator::createInstance(icu::Locale(current.c_str()), status));
    if (U_FAILURE(status))
        collator.reset();
    if (collator)
        collator->setStrength(icu::Collator::SECONDARY);
    localeId = current;
    return collator.get();
}

} // namespace

int localizedCaseInsensitiveCompare(std::string_view a, std::string_view b)
{
    const auto* collator = caseInsensitiveCollator();
    if (!collator)
        return toUnicode(a).caseCompare(toUnicode(b), U_FOLD_CASE_DEFAULT);
    UErrorCode status = U_ZERO_ERROR;
    return static_cast<int>(collator->compare(toUnicode(a), toUnicode(b), status));
}

bool caseInsensitiveEquals(std::string_view a, std::string_view b)
{
    return toUnicode(a).caseCompare(toUnicode(b), U_FOLD_CASE_DEFAULT) == 0;
}

bool isValidUtf8(std::string_view s)
{
    int32_t i = 0;
    while (i < static_cast<int32_t>(s.size())) {
        UChar32 c;
        U8_NEXT(reinterpret_cast<const uint8_t*>(s.data()), i, static_cast<int32_t>(s.size()), c);
        if (c < 0)
            return false;
    }
    return true;
}

std::string validUtf8(std::string_view s)
{
    if (isValidUtf8(s)) {
        return std::string(s);
    }
    std::string valid;
    int32_t i = 0;
    while (i < static_cast<int32_t>(s.size())) {
        UChar32 c;
        U8_NEXT(reinterpret_cast<const uint8_t*>(s.data()), i, static_cast<int32_t>(s.size()), c);
        appendUtf8(valid, c < 0 ? 0xFFFD : static_cast<char32_t>(c));
    }
    return valid;
}

std::string removingNulAndBidiControls(std::string_view s)
{
    const auto isRemoved = [](char32_t c) {
        return c == 0 || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
    };
    std::string out;
    out.reserve(s.size());
    int32_t i = 0;
    while (i < static_cast<int32_t>(s.size())) {
        const auto start = i;
        if (!isRemoved(nextCodePoint(s, i))) {
            out.append(s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
        }
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c)
{
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        c = 0xFFFD;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::string decodeHexEscapes(std::string_view s, char escape)
{
    std::string decoded;
    decoded.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const int high = s[i] == escape && i + 2 < s.size() ? hexDigitValue(s[i + 1]) : -1;
        const int low = high >= 0 ? hexDigitValue(s[i + 2]) : -1;
        if (low < 0) {
            decoded += s[i];
            continue;
        }
        decoded += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return decoded;
}

} // namespace platform::text
