#pragma once

// What the side panel's palette row reports: a palette item was tapped, by its index in
// the palette. Implemented by the panel.
class ZKSignatureFieldsTableViewCellDelegate {
public:
    virtual ~ZKSignatureFieldsTableViewCellDelegate() = default;

    virtual void signatureFieldWasTappedAtIndex(long index) = 0;
};
