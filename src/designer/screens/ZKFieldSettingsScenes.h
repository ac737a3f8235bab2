#pragma once

// The field settings screens' part of the storyboard "ZKStoryboard_Universal": one scene
// per screen under the identifier the hub's segue leads to (the radio screen inside a
// navigation controller, which the group list is pushed on) and each screen's unwind
// segue back to the hub. Registered when the SDK starts. Safe to call more than once.
class ZKFieldSettingsScenes {
public:
    static constexpr const char* part = "fieldSettings";
    static constexpr const char* radioScene = "ZKRadioButtonSettingsVC";
    static constexpr const char* radioNavigationScene = "ZKRadioButtonSettingsNavigationController";
    static constexpr const char* radioGroupsScene = "ZKRadioGroupSettingsVC";

    static void registerScenes();
};
