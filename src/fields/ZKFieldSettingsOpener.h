#pragma once

#include <memory>

class ZKElementView;

// What the fields on a page ask of the designer's settings screens above them: opening
// the settings screen of a field's kind on the hub. The designer installs its opener at
// start-up; until then nothing opens. Installed once before use; main thread only.
class ZKFieldSettingsOpener {
public:
    virtual ~ZKFieldSettingsOpener() = default;

    // What is installed, or an opener that opens nothing.
    static ZKFieldSettingsOpener& installed();
    static void install(std::shared_ptr<ZKFieldSettingsOpener> opener);

    // Opens the settings screen chosen by the kind of ZKElementView::editedElementView()
    // for `elementView`; kinds without a settings screen open nothing.
    virtual void showForElementView(const std::shared_ptr<ZKElementView>& elementView);
};
