#include "signers/PhoneRule.h"

#include <algorithm>
#include <array>

namespace {

bool isPrefixPlace(char character)
{
    return character == 'c' || character == 'n';
}

// Walks a format string over the digits of one number. The walk keeps its state in
// locals: written through a char pointer, state kept in members would be read again
// after every character.
class RuleLayout {
public:
    RuleLayout(std::string_view format, std::string_view digits, std::optional<std::string_view> intlPrefix,
               std::optional<std::string_view> trunkPrefix)
        : format_(format), digits_(digits), intlPrefix_(intlPrefix), trunkPrefix_(trunkPrefix)
    {
    }

    // Room in front of the layout for a prefix the format has no place for.
    std::size_t headroom() const
    {
        return std::max(intlPrefix_ ? intlPrefix_->size() + 1 : 0, trunkPrefix_ ? trunkPrefix_->size() : 0);
    }

    // The room the longest layout this format can give needs after the headroom.
    std::size_t longest() const
    {
        const std::size_t widestPlace = std::max({std::size_t{1}, intlPrefix_ ? intlPrefix_->size() : 0,
                                                  trunkPrefix_ ? trunkPrefix_->size() : 0});
        return format_.size() * widestPlace + digits_.size();
    }

    // Writes the layout at `out`, which has room for longest() after it and headroom()
    // before it; returns where the layout begins and ends.
    std::pair<char*, char*> write(char* out) const
    {
        char* const begin = out;
        const std::string_view format = format_;
        const std::string_view digits = digits_;
        const auto intl = intlPrefix_;
        const auto trunk = trunkPrefix_;
        std::size_t next = 0;
        bool inGroup = false;
        bool hadIntlPlace = false;
        bool hadTrunkPlace = false;
        char previous = '\0';
        for (std::size_t index = 0; index < format.size(); ++index) {
            // Past the last digit, outside a group, only the places of prefixes still show.
            if (next == digits.size() && !inGroup) {
                while (index < format.size() && !isPrefixPlace(format[index]))
                    ++index;
                if (index == format.size())
                    break;
            }
            const char character = format[index];
            const bool digitsRemain = next < digits.size();
            switch (character) {
            case '#':
                if (digitsRemain)
                    *out++ = digits[next++];
                else if (inGroup)
                    *out++ = ' ';
                break;
            case 'c':
                hadIntlPlace = true;
                if (intl)
                    out = append(out, *intl);
                break;
            case 'n':
                hadTrunkPlace = true;
                if (trunk)
                    out = append(out, *trunk);
                break;
            default:
                if (character == ' ' && ((previous == 'n' && !trunk) || (previous == 'c' && !intl)))
                    break;
                if (character == '(' && digitsRemain)
                    inGroup = true;
                if (digitsRemain || (character == ')' && inGroup))
                    *out++ = character;
                if (character == ')')
                    inGroup = false;
                break;
            }
            previous = character;
        }
        // A format with fewer digit places than the number must not lose what was typed.
        out = append(out, digits.substr(next));
        // A prefix the format has no place for goes in front, so it is never lost.
        if (intl && !hadIntlPlace) {
            char* const front = begin - intl->size() - 1;
            *append(front, *intl) = ' ';
            return {front, out};
        }
        if (trunk && !hadTrunkPlace) {
            char* const front = begin - trunk->size();
            append(front, *trunk);
            return {front, out};
        }
        return {begin, out};
    }

private:
    // Prefixes and the digits left over are a few characters; a plain loop beats a call.
    static char* append(char* out, std::string_view text)
    {
        for (const char character : text)
            *out++ = character;
        return out;
    }

    std::string_view format_;
    std::string_view digits_;
    std::optional<std::string_view> intlPrefix_;
    std::optional<std::string_view> trunkPrefix_;
};

} // namespace

std::string PhoneRule::formatIntlPrefixTrunkPrefix(std::string_view digits,
                                                   std::optional<std::string_view> intlPrefix,
                                                   std::optional<std::string_view> trunkPrefix) const
{
    return formatAfter({}, digits, intlPrefix, trunkPrefix);
}

std::string PhoneRule::formatAfter(std::string_view lead, std::string_view digits,
                                   std::optional<std::string_view> intlPrefix,
                                   std::optional<std::string_view> trunkPrefix) const
{
    const RuleLayout layout(format, digits, intlPrefix, trunkPrefix);
    const std::size_t front = lead.size() + layout.headroom();
    const std::size_t room = front + layout.longest();
    // Typed numbers are laid out on the stack and copied once into the result.
    std::array<char, 128> shortOutput;
    std::string longOutput;
    char* output = shortOutput.data();
    if (room > shortOutput.size()) {
        longOutput.resize(room);
        output = longOutput.data();
    }
    const auto [begin, end] = layout.write(output + front);
    char* const start = begin - lead.size();
    std::copy(lead.begin(), lead.end(), start);
    return {start, end};
}

std::string PhoneRule::description() const
{
    return "Rule: { minVal: " + std::to_string(minVal) + ", maxVal: " + std::to_string(maxVal) +
           ", byte8: " + std::to_string(byte8) + ", maxLen: " + std::to_string(maxLen) +
           ", nFlag: " + std::to_string(otherFlag) + ", prefixLen: " + std::to_string(prefixLen) +
           ", flag12: " + std::to_string(flag12) + ", flag13: " + std::to_string(flag13) + ", format: " + format +
           " }";
}
