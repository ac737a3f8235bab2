#include "model/ZKParticipant.h"

#include "foundation/Text.h"
#include "support/ZKColor.h"

namespace {

// The first UTF-8 character of `s` (a whole multi-byte sequence), empty for "".
std::string firstCharacter(const std::string& s)
{
    if (s.empty()) {
        return {};
    }
    const auto lead = static_cast<unsigned char>(s.front());
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return s.substr(0, std::min(length, s.size()));
}

std::string initialOf(const std::string& name)
{
    const auto letter = firstCharacter(platform::text::trimWhitespaceAndNewlines(name));
    return letter.empty() ? std::string() : platform::text::toUpper(letter) + ".";
}

} // namespace

std::string ZKParticipant::nameDisplay() const
{
    const auto first = platform::text::trimWhitespaceAndNewlines(firstName_);
    const auto last = platform::text::trimWhitespaceAndNewlines(lastName_);
    if (first.empty() && last.empty()) {
        return email_;
    }
    if (first.empty() || last.empty()) {
        return first + last;
    }
    return first + " " + last;
}

std::string ZKParticipant::initials() const
{
    const auto fromNames = initialOf(firstName_) + initialOf(lastName_);
    return fromNames.empty() ? initialOf(email_) : fromNames;
}

platform::graphics::Color ZKParticipant::editColor() const
{
    return ZKColor::signerColorAtIndex(order_);
}

void ZKParticipant::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    if (transaction_.lock() == transaction) {
        return;
    }
    transaction_ = transaction;
    didChange();
}
