#include "sdk/VTEmailAddressFormat.h"

#include <algorithm>

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAsciiLetterOrDigit(char c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

bool isLocalPartCharacter(char c)
{
    return isAsciiLetterOrDigit(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-';
}

} // namespace

bool VTEmailAddressFormat::isValid(std::string_view address)
{
    if (address.size() > kMaximumLength) {
        return false;
    }
    const auto at = address.find('@');
    if (at == std::string_view::npos) {
        return false;
    }
    return isValidLocalPart(address.substr(0, at)) && isValidDomain(address.substr(at + 1));
}

bool VTEmailAddressFormat::isValidLocalPart(std::string_view localPart)
{
    return !localPart.empty() && localPart.size() <= kMaximumLocalPartLength &&
           std::all_of(localPart.begin(), localPart.end(), isLocalPartCharacter);
}

bool VTEmailAddressFormat::isValidDomain(std::string_view domain)
{
    const auto lastDot = domain.rfind('.');
    if (lastDot == std::string_view::npos) {
        return false;
    }
    std::string_view rest = domain.substr(0, lastDot);
    while (true) {
        const auto dot = rest.find('.');
        if (!isValidLabel(rest.substr(0, dot))) {
            return false;
        }
        if (dot == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(dot + 1);
    }
    return isValidTopLevelLabel(domain.substr(lastDot + 1));
}

bool VTEmailAddressFormat::isValidLabel(std::string_view label)
{
    return !label.empty() && label.size() <= kMaximumLabelLength &&
           std::all_of(label.begin(), label.end(), [](char c) { return isAsciiLetterOrDigit(c) || c == '-'; });
}

bool VTEmailAddressFormat::isValidTopLevelLabel(std::string_view label)
{
    return label.size() >= 2 && label.size() <= kMaximumLabelLength &&
           std::all_of(label.begin(), label.end(), isAsciiLetter);
}
