#pragma once

#include "ui/IndexPath.h"

// What a radio group row asks of its list: to delete the group of the row.
class ZKRadioGroupTableViewCellDelegate {
public:
    virtual ~ZKRadioGroupTableViewCellDelegate() = default;

    virtual void cellDeletionRequestedForCellAtIndexPath(const platform::ui::IndexPath& indexPath) = 0;
};
