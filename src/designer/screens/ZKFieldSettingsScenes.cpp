#include "designer/screens/ZKFieldSettingsScenes.h"

#include "ceremony/screens/ZKStoryboardUniversal.h"
#include "designer/screens/ZKCheckBoxSettingsVC.h"
#include "designer/screens/ZKDateInputSettingsViewController.h"
#include "designer/screens/ZKLabelSettingsVC.h"
#include "designer/screens/ZKListViewSettingsVC.h"
#include "designer/screens/ZKRadioButtonSettingsVC.h"
#include "designer/screens/ZKRadioGroupSettingsVC.h"
#include "designer/screens/ZKTextAreaSettingsVC.h"
#include "designer/screens/ZKTextFieldSettingsVC.h"
#include "ui/Storyboard.h"

using platform::ui::Storyboard;

namespace {

template <class Screen>
void addScreen(Storyboard& storyboard, const char* scene)
{
    storyboard.addScene(scene, [] { return std::make_shared<Screen>(); });
    storyboard.addUnwindSegue(scene, Screen::unwindSegueIdentifier, ZKStoryboardUniversal::unwindAction);
}

void define(Storyboard& storyboard)
{
    addScreen<ZKTextAreaSettingsVC>(storyboard, "ZKTextAreaSettingsVC");
    addScreen<ZKTextFieldSettingsVC>(storyboard, "ZKTextFieldSettingsVC");
    addScreen<ZKLabelSettingsVC>(storyboard, "ZKLabelSettingsVC");
    addScreen<ZKCheckBoxSettingsVC>(storyboard, "ZKCheckBoxSettingsVC");
    addScreen<ZKListViewSettingsVC>(storyboard, "ZKListViewSettingsVC");
    addScreen<ZKRadioButtonSettingsVC>(storyboard, ZKFieldSettingsScenes::radioScene);
    storyboard.addNavigationScene(ZKFieldSettingsScenes::radioNavigationScene, ZKFieldSettingsScenes::radioScene);
    storyboard.addScene(ZKFieldSettingsScenes::radioGroupsScene, [] { return std::make_shared<ZKRadioGroupSettingsVC>(); });
    storyboard.addSegue(ZKFieldSettingsScenes::radioScene, ZKRadioButtonSettingsVC::groupsSegueIdentifier,
                        platform::ui::SegueKind::show, ZKFieldSettingsScenes::radioGroupsScene);
    storyboard.addUnwindSegue(ZKFieldSettingsScenes::radioGroupsScene, ZKRadioGroupSettingsVC::unwindSegueIdentifier,
                              ZKRadioButtonSettingsVC::unwindFromGroupsAction);
    addScreen<ZKDateInputSettingsViewController>(storyboard, "ZKDateInputSettingsViewController");
}

} // namespace

void ZKFieldSettingsScenes::registerScenes()
{
    Storyboard::registerDefinitionPart(ZKStoryboardUniversal::name, part, define);
}
