#include "fields/ZKFieldSettingsOpener.h"

namespace {

std::shared_ptr<ZKFieldSettingsOpener>& installedOpener()
{
    static std::shared_ptr<ZKFieldSettingsOpener> opener = std::make_shared<ZKFieldSettingsOpener>();
    return opener;
}

} // namespace

ZKFieldSettingsOpener& ZKFieldSettingsOpener::installed()
{
    return *installedOpener();
}

void ZKFieldSettingsOpener::install(std::shared_ptr<ZKFieldSettingsOpener> opener)
{
    // Uninstalling (null) brings back the opener that opens nothing.
    installedOpener() = opener ? std::move(opener) : std::make_shared<ZKFieldSettingsOpener>();
}

void ZKFieldSettingsOpener::showForElementView(const std::shared_ptr<ZKElementView>&)
{
}
