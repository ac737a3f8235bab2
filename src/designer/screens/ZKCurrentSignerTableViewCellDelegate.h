#pragma once

// What row 0 of the side panel asks of the panel: open or close the list of the other
// signers. Implemented by the panel.
class ZKCurrentSignerTableViewCellDelegate {
public:
    virtual ~ZKCurrentSignerTableViewCellDelegate() = default;

    virtual void maximizingSignersRequested() = 0;
    virtual void minimizingSignersRequested() = 0;
};
