#pragma once

#include "model/ZKGroup.h"
#include "signers/screens/CreateTransactionPickGroupViewControllerDelegate.h"

#include <memory>
#include <optional>
#include <vector>

// What the add/edit recipient page hands to the group picker it opens: the groups still
// available, the row of the group it already holds (none when that group is not offered)
// and itself to receive the choice. The group picker implements it.
class CreateTransactionPickGroupViewControllerInput {
public:
    virtual ~CreateTransactionPickGroupViewControllerInput() = default;

    virtual void setGroupList(const std::vector<std::shared_ptr<ZKGroup>>& groupList) = 0;
    virtual void setSelectedGroupIndex(std::optional<int> selectedGroupIndex) = 0;
    virtual void setDelegate(const std::weak_ptr<CreateTransactionPickGroupViewControllerDelegate>& delegate) = 0;
};
