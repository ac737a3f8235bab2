#pragma once

#include "composer/screens/CreateTransactionSignerType.h"
#include "model/ZKGroup.h"

#include <memory>

// The page a signing group is picked for: the group picker writes the tapped group and the
// group kind into it, then has it update its controls for that kind, fill its fields from
// the group and re-evaluate its Add button. Held weakly by the picker.
class CreateTransactionPickGroupViewControllerDelegate {
public:
    virtual ~CreateTransactionPickGroupViewControllerDelegate() = default;

    virtual void setSelectedGroup(const std::shared_ptr<ZKGroup>& selectedGroup) = 0;
    virtual void setSignerType(CreateTransactionSignerType signerType) = 0;
    virtual void updateUIForSignerType(CreateTransactionSignerType signerType) = 0;
    virtual void populateUIForSelectedGroup() = 0;
    virtual void manageAddButtonAvailability() = 0;
};
