#include "designer/ZKDesignerFieldSettings.h"

#include "designer/ZKDesignerHelper.h"

std::optional<bool> ZKDesignerFieldSettings::isRequiredForNewElement(const std::string& type,
                                                                     const std::optional<std::string>& autofill)
{
    const auto designerType = ZKDesignerHelper::designerFieldTypeForTypeAndAutoFilledValue(type, autofill);
    if (designerType.empty()) {
        return std::nullopt;
    }
    return ZKDesignerHelper::sharedInstance()->isRequiredWithType(designerType);
}

std::optional<std::string> ZKDesignerFieldSettings::defaultPatternForNewElement(
    const std::string& type, const std::optional<std::string>& autofill)
{
    return ZKDesignerHelper::sharedInstance()->defaultPatternForType(
        ZKDesignerHelper::designerFieldTypeForTypeAndAutoFilledValue(type, autofill));
}

void ZKDesignerFieldSettings::saveDesignerSettings(const std::optional<Dictionary>& settings)
{
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(settings);
}
