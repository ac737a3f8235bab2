#pragma once

#include "composer/screens/CreateTransactionSignerType.h"
#include "model/ZKGroup.h"

#include <memory>

// What the group picker writes into the page that opened it when a group is chosen: the
// group and the kind `group`, then it asks that page to show the kind's controls, fill its
// fields from the group and decide about its add button.
class CreateTransactionPickGroupViewControllerDelegate {
public:
    virtual ~CreateTransactionPickGroupViewControllerDelegate() = default;

    virtual void setSelectedGroup(const std::shared_ptr<ZKGroup>& selectedGroup) = 0;
    virtual void setSignerType(CreateTransactionSignerType signerType) = 0;
    virtual void updateUIForSignerType(CreateTransactionSignerType signerType) = 0;
    virtual void populateUIForSelectedGroup() = 0;
    virtual void manageAddButtonAvailability() = 0;
};
