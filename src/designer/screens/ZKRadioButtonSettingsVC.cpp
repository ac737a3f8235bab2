#include "designer/screens/ZKRadioButtonSettingsVC.h"

#include "ui/NavigationController.h"

void ZKRadioButtonSettingsVC::viewDidLoad()
{
    ZKFieldSettingsFormViewController::viewDidLoad();
    topBar()->saveButton()->setHidden(true);
}

void ZKRadioButtonSettingsVC::viewWillAppear(bool animated)
{
    ZKFieldSettingsFormViewController::viewWillAppear(animated);
    // The screen's own top bar takes the place of the navigation bar.
    if (const auto navigation = navigationController()) {
        navigation->setNavigationBarHidden(true, false);
    }
}
