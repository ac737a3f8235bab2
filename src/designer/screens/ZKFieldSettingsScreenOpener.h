#pragma once

#include "fields/ZKFieldSettingsOpener.h"

// What the fields on a page are given at start-up to open their settings screens: the
// hub's segue to the screen of the field's kind. Stateless; main thread only.
class ZKFieldSettingsScreenOpener : public ZKFieldSettingsOpener {
public:
    void showForElementView(const std::shared_ptr<ZKElementView>& elementView) override;
};
