#include "designer/ZKMaxLengthEntry.h"

#include "foundation/Text.h"

#include <algorithm>
#include <climits>

namespace {

bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

ZKMaxLengthEntry::ZKMaxLengthEntry(std::string_view text) : empty_(text.empty())
{
    if (empty_) {
        return;
    }
    if (!isInteger(text)) {
        problem_ = notANumberMessage;
        return;
    }
    if (!std::all_of(text.begin(), text.end(), isAsciiDigit)) {
        problem_ = otherDigitsMessage;
        return;
    }
    long long value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
        if (value > INT_MAX) {
            problem_ = tooLargeMessage;
            return;
        }
    }
    limit_ = static_cast<int>(value);
}

bool ZKMaxLengthEntry::isInteger(std::string_view text)
{
    return text.empty() || platform::text::isAllDecimalDigits(text);
}

std::string ZKMaxLengthEntry::textForLimit(const std::optional<int>& limit)
{
    return limit && *limit >= 1 ? std::to_string(*limit) : std::string();
}

std::optional<std::string> ZKMaxLengthEntry::messageForDefaultValue(std::string_view defaultValue) const
{
    if (empty_) {
        return std::nullopt;
    }
    if (problem_) {
        return problem_;
    }
    if (platform::text::utf16Length(defaultValue) > static_cast<std::size_t>(*limit_)) {
        return defaultValueTooLongMessage;
    }
    return std::nullopt;
}
