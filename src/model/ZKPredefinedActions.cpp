#include "model/ZKPredefinedActions.h"

std::shared_ptr<ZKPredefinedActions> ZKPredefinedActions::insertNew()
{
    auto actions = std::make_shared<ZKPredefinedActions>();
    insertInStoreManager(actions);
    return actions;
}

void ZKPredefinedActions::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    if (transaction_.lock() == transaction) {
        return;
    }
    transaction_ = transaction;
    didChange();
}
