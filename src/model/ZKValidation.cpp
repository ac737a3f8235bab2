#include "model/ZKValidation.h"

std::shared_ptr<ZKValidation> ZKValidation::insertNew()
{
    auto validation = std::make_shared<ZKValidation>();
    insertInStoreManager(validation);
    return validation;
}

std::optional<std::string> ZKValidation::groupName() const
{
    if (enumeration_.empty()) {
        return std::nullopt;
    }
    return enumeration_.front();
}

void ZKValidation::setElement(const std::shared_ptr<ZKElement>& element)
{
    if (element_.lock() == element) {
        return;
    }
    element_ = element;
    didChange();
}
