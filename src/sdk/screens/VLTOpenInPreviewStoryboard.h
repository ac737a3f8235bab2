#pragma once

#include <memory>

namespace platform::ui {
class Storyboard;
}

// The storyboard "OpenInPreview": one scene, the open-in preview. It is registered by the
// first call of named(), which the preview's own entry point makes, so the definition
// is always linked in with the code that uses it.
class VLTOpenInPreviewStoryboard {
public:
    static constexpr const char* name = "OpenInPreview";
    static constexpr const char* previewScene = "VLTOpenInPreviewController";

    // A fresh storyboard of the preview.
    static std::shared_ptr<platform::ui::Storyboard> named();

private:
    static void registerDefinition();
};
