#pragma once

#include <array>
#include <memory>

namespace platform::ui {
class Storyboard;
}

// The storyboard "ZKStoryboard_Universal": the hub scene, the segue by which the hub
// embeds the designer's side panel, the seven segues to the field settings screens and
// the unwind action they return to. The panel and settings scenes are the designer's: it
// adds them under the scene identifiers below. Until a scene is there its segue leads
// nowhere and the hub goes without it. named() is safe from any thread.
class ZKStoryboardUniversal {
public:
    static constexpr const char* name = "ZKStoryboard_Universal";
    static constexpr const char* mainScene = "ZKMainViewController";

    static constexpr const char* panelScene = "ZKPrepareFormFieldViewController";
    static constexpr const char* embedPanelSegue = "FromMainPageSDKToPrepareFormSDK";

    struct SettingsSegue {
        const char* identifier;
        const char* destinationScene;
    };
    static constexpr const char* radioSettingsSegue = "fromMainViewControllerToRadioButtonSettingsSDK";
    // The radio settings scene is a navigation controller whose top is the radio screen.
    static constexpr std::array<SettingsSegue, 7> settingsSegues{{
        {"fromMainViewControllerToTextAreaSettingsSDK", "ZKTextAreaSettingsVC"},
        {"fromMainViewControllerToTextFieldSettingsSDK", "ZKTextFieldSettingsVC"},
        {"fromMainViewControllerToLabelSettingsSDK", "ZKLabelSettingsVC"},
        {"fromMainViewControllerToCheckBoxSettingsSDK", "ZKCheckBoxSettingsVC"},
        {"fromMainViewControllerToListViewSettingsSDK", "ZKListViewSettingsVC"},
        {radioSettingsSegue, "ZKRadioButtonSettingsNavigationController"},
        {"fromMainViewControllerToDateSettingsSDK", "ZKDateInputSettingsViewController"},
    }};

    static constexpr const char* unwindAction = "unwindToMainViewControllerWithSegue";

    // A fresh storyboard; its definition is registered on the first call.
    static std::shared_ptr<platform::ui::Storyboard> named();
    // The hub's part of the definition, for definitions that add the designer's scenes.
    static void define(platform::ui::Storyboard& storyboard);
};
