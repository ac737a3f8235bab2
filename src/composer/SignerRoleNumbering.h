#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

class VTSigner;

// Default roles of recipients added without one: "signer0", "signer1" ... A removal
// leaves a gap, and counting the recipients would then hand out a role that a remaining
// recipient still holds, merging two recipients' fields; the lowest free number is taken
// instead. One numbering serves a run of additions to the same recipients, so a batch
// needs not read them all again for each one.
class SignerRoleNumbering {
public:
    explicit SignerRoleNumbering(const std::vector<std::shared_ptr<VTSigner>>& signers);

    // The lowest free default role, taken from then on.
    std::string takeFreeRole();
    // Notes the role of a recipient added with a role of its own.
    void take(const std::string& role);

private:
    std::unordered_set<std::size_t> taken_;
    // No number below it is free.
    std::size_t lowestCandidate_ = 0;
};
