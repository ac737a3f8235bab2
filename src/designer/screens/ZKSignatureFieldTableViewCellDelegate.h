#pragma once

// What a palette item row of the side panel reports: its button was tapped. Implemented
// by ZKSignatureFieldsTableViewCell.
class ZKSignatureFieldTableViewCellDelegate {
public:
    virtual ~ZKSignatureFieldTableViewCellDelegate() = default;

    virtual void signatureFieldWasTappedAtIndex(long index) = 0;
};
