#include "model/ZKFieldSettings.h"

namespace {

std::shared_ptr<ZKFieldSettings>& installedSettings()
{
    static std::shared_ptr<ZKFieldSettings> settings = std::make_shared<ZKFieldSettings>();
    return settings;
}

} // namespace

ZKFieldSettings& ZKFieldSettings::installed()
{
    return *installedSettings();
}

void ZKFieldSettings::install(std::shared_ptr<ZKFieldSettings> settings)
{
    installedSettings() = std::move(settings);
}

std::optional<bool> ZKFieldSettings::isRequiredForNewElement(const std::string&, const std::optional<std::string>&)
{
    return std::nullopt;
}

std::optional<std::string> ZKFieldSettings::defaultPatternForNewElement(const std::string&,
                                                                        const std::optional<std::string>&)
{
    return std::nullopt;
}

void ZKFieldSettings::saveDesignerSettings(const std::optional<Dictionary>&)
{
}
