#pragma once

#include <memory>
#include <string>
#include <vector>

class VTSigner;

// Default roles of recipients added without one: "signer0", "signer1" ... A removal
// leaves a gap, and counting the recipients would then hand out a role that a remaining
// recipient still holds, merging two recipients' fields; the lowest free number is taken
// instead.
class SignerRoleNumbering {
public:
    static std::string nextFreeRole(const std::vector<std::shared_ptr<VTSigner>>& signers);
};
