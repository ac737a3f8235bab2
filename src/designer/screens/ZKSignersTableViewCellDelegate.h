#pragma once

#include <string>

// What the side panel's other-signers row reports: a signer was tapped, by its
// participant uid. Implemented by the panel.
class ZKSignersTableViewCellDelegate {
public:
    virtual ~ZKSignersTableViewCellDelegate() = default;

    virtual void signerWasTapped(const std::string& uid) = 0;
};
