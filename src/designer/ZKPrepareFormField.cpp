#include "designer/ZKPrepareFormField.h"

std::shared_ptr<ZKPrepareFormField> ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill(
    std::string iconChar, std::string description, std::string type, std::optional<std::string> autoFill)
{
    auto field = std::make_shared<ZKPrepareFormField>();
    field->fieldIcon_ = std::move(iconChar);
    field->fieldDescription_ = std::move(description);
    field->fieldType_ = std::move(type);
    field->fieldAutofill_ = std::move(autoFill);
    return field;
}
