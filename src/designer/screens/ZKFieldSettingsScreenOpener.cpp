#include "designer/screens/ZKFieldSettingsScreenOpener.h"

#include "designer/screens/ZKElementViewSettingsViewController.h"

void ZKFieldSettingsScreenOpener::showForElementView(const std::shared_ptr<ZKElementView>& elementView)
{
    ZKElementViewSettingsViewController::showForElementView(elementView);
}
