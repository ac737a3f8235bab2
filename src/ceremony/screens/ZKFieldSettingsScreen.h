#pragma once

#include <memory>

class ZKElementView;

// What the hub hands to a field settings screen it opens: the placed field to configure.
// Each settings screen (a scene of the designer's screens) implements it besides being a
// view controller; the screen holds the view weakly.
class ZKFieldSettingsScreen {
public:
    virtual ~ZKFieldSettingsScreen() = default;

    virtual void setElementView(const std::weak_ptr<ZKElementView>& elementView) = 0;
};
