#include "signers/TypedPhoneNumber.h"

#include "foundation/Text.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr UChar32 kFullwidthPlus = 0xFF0B;

void appendNormalized(std::string& out, UChar32 codePoint)
{
    if (codePoint < 0)
        return;
    const auto type = u_charType(codePoint);
    if (type == U_DECIMAL_DIGIT_NUMBER) {
        out += static_cast<char>('0' + u_charDigitValue(codePoint));
    } else if (codePoint == kFullwidthPlus) {
        out += '+';
    } else if (u_isUWhiteSpace(codePoint)) {
        out += ' ';
    } else if (type != U_CONTROL_CHAR && type != U_FORMAT_CHAR) {
        platform::text::appendUtf8(out, static_cast<char32_t>(codePoint));
    }
}

std::optional<std::string> normalizedUpTo(std::string_view typed, std::size_t maxLength)
{
    std::string normal;
    normal.reserve(std::min(typed.size(), maxLength));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(typed.data());
    const std::size_t length = typed.size();
    std::size_t characters = 0;
    for (std::size_t offset = 0; offset < length;) {
        if (++characters > maxLength)
            return std::nullopt;
        UChar32 codePoint = 0;
        U8_NEXT(bytes, offset, length, codePoint);
        appendNormalized(normal, codePoint);
    }
    return normal;
}

} // namespace

std::string TypedPhoneNumber::normalized(std::string_view typed)
{
    return *normalizedUpTo(typed, SIZE_MAX);
}

std::optional<std::string> TypedPhoneNumber::bounded(std::string_view typed)
{
    return normalizedUpTo(typed, kMaxLength);
}
