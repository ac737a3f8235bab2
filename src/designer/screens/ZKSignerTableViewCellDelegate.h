#pragma once

// What a signer row of the side panel's other-signers list reports: its button was
// tapped. Implemented by ZKSignersTableViewCell.
class ZKSignerTableViewCellDelegate {
public:
    virtual ~ZKSignerTableViewCellDelegate() = default;

    virtual void signerWasSelectedWithIndex(long index) = 0;
};
