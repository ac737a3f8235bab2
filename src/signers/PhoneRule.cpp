#include "signers/PhoneRule.h"

namespace {

// Walks a format string over the digits of one number.
class RuleLayout {
public:
    RuleLayout(std::string_view digits, const std::optional<std::string>& intlPrefix,
               const std::optional<std::string>& trunkPrefix)
        : digits_(digits), intlPrefix_(intlPrefix), trunkPrefix_(trunkPrefix)
    {
    }

    void apply(std::string_view format)
    {
        char previous = '\0';
        for (const char character : format) {
            take(character, previous);
            previous = character;
        }
        // A format with fewer digit places than the number must not lose what was typed.
        output_.append(digits_.substr(next_));
    }

    std::string result() &&
    {
        if (intlPrefix_ && !hadIntlSlot_)
            return *intlPrefix_ + " " + output_;
        if (trunkPrefix_ && !hadTrunkSlot_)
            return *trunkPrefix_ + output_;
        return std::move(output_);
    }

private:
    bool digitsRemain() const { return next_ < digits_.size(); }

    void take(char character, char previous)
    {
        switch (character) {
        case '#':
            takeDigit();
            return;
        case 'c':
            hadIntlSlot_ = true;
            if (intlPrefix_)
                output_ += *intlPrefix_;
            return;
        case 'n':
            hadTrunkSlot_ = true;
            if (trunkPrefix_)
                output_ += *trunkPrefix_;
            return;
        case '(':
            if (digitsRemain())
                inGroup_ = true;
            break;
        case ' ':
            if ((previous == 'n' && !trunkPrefix_) || (previous == 'c' && !intlPrefix_))
                return;
            break;
        default:
            break;
        }
        takeLiteral(character);
    }

    void takeDigit()
    {
        if (digitsRemain())
            output_ += digits_[next_++];
        else if (inGroup_)
            output_ += ' ';
    }

    void takeLiteral(char character)
    {
        if (digitsRemain() || (character == ')' && inGroup_))
            output_ += character;
        if (character == ')')
            inGroup_ = false;
    }

    std::string_view digits_;
    const std::optional<std::string>& intlPrefix_;
    const std::optional<std::string>& trunkPrefix_;
    std::string output_;
    std::size_t next_ = 0;
    bool inGroup_ = false;
    bool hadIntlSlot_ = false;
    bool hadTrunkSlot_ = false;
};

} // namespace

std::string PhoneRule::formatIntlPrefixTrunkPrefix(std::string_view digits,
                                                   const std::optional<std::string>& intlPrefix,
                                                   const std::optional<std::string>& trunkPrefix) const
{
    RuleLayout layout(digits, intlPrefix, trunkPrefix);
    layout.apply(format);
    return std::move(layout).result();
}

std::string PhoneRule::description() const
{
    return "Rule: { minVal: " + std::to_string(minVal) + ", maxVal: " + std::to_string(maxVal) +
           ", byte8: " + std::to_string(byte8) + ", maxLen: " + std::to_string(maxLen) +
           ", nFlag: " + std::to_string(otherFlag) + ", prefixLen: " + std::to_string(prefixLen) +
           ", flag12: " + std::to_string(flag12) + ", flag13: " + std::to_string(flag13) + ", format: " + format +
           " }";
}
