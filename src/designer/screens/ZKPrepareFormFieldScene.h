#pragma once

// The designer's side panel as a scene of the storyboard "ZKStoryboard_Universal",
// where the hub's embed segue finds it.
class ZKPrepareFormFieldScene {
public:
    // Registers the panel's part of the storyboard. Safe to call more than once.
    static void registerScenes();
};
