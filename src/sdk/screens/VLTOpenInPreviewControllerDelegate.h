#pragma once

#include <string>

// What the host or the composer hears from the open-in preview. `path` is the previewed
// file's path as it was given; `name` is its file name without the folder.
class VLTOpenInPreviewControllerDelegate {
public:
    virtual ~VLTOpenInPreviewControllerDelegate() = default;

    virtual void didSelectStartInPreviewForFileAtPathName(const std::string& path, const std::string& name) = 0;
    virtual void didSelectSaveForFileAtPathName(const std::string& path, const std::string& name) = 0;
};
