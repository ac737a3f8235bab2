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

SignerRoleNumbering::SignerRoleNumbering(const std::vector<std::shared_ptr<VTSigner>>& signers)
{
    for (const auto& signer : signers) {
        take(signer->role());
    }
}

void SignerRoleNumbering::take(const std::string& role)
{
    if (const auto number = defaultRoleNumber(role)) {
        taken_.insert(*number);
    }
}

std::string SignerRoleNumbering::takeFreeRole()
{
    while (taken_.contains(lowestCandidate_)) {
        ++lowestCandidate_;
    }
    taken_.insert(lowestCandidate_);
    return std::string(kPrefix) + std::to_string(lowestCandidate_);
}
