#include "composer/SignerRoleNumbering.h"

#include "sdk/VTSigner.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kPrefix = "signer";

// The number of a role written exactly as a default role is ("signer" and a number
// without leading zeros); nothing for any other role.
std::optional<std::size_t> defaultRoleNumber(std::string_view role)
{
    if (!role.starts_with(kPrefix)) {
        return std::nullopt;
    }
    const auto digits = role.substr(kPrefix.size());
    if (digits.empty() || (digits.size() > 1 && digits.front() == '0')) {
        return std::nullopt;
    }
    std::size_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::string SignerRoleNumbering::nextFreeRole(const std::vector<std::shared_ptr<VTSigner>>& signers)
{
    // Among n recipients one of the numbers 0...n is always free.
    std::vector<bool> taken(signers.size() + 1, false);
    for (const auto& signer : signers) {
        const auto number = defaultRoleNumber(signer->role());
        if (number && *number < taken.size()) {
            taken[*number] = true;
        }
    }
    std::size_t number = 0;
    while (taken[number]) {
        ++number;
    }
    return std::string(kPrefix) + std::to_string(number);
}
