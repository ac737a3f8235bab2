#pragma once

#include "DemoWalk.h"

#include "ceremony/screens/ZKCTouchManager.h"
#include "ceremony/screens/ZKMainViewController.h"
#include "designer/screens/ZKFieldSettingsTopBar.h"
#include "fields/ZKContextMenuView.h"
#include "fields/ZKElementView.h"
#include "ui/NavigationController.h"
#include "ui/TouchInjector.h"

#include <memory>
#include <string>

namespace host {

// A sender's hands on the hub of a started draft: fields placed from the palette and
// their settings screens opened from each field's menu, filled in and saved.
class FieldSettingsWalk : public DemoWalk {
public:
    using DemoWalk::DemoWalk;

    // A tap on the palette item of the type, as the designer's panel passes it on.
    std::shared_ptr<ZKElementView> place(const std::string& type, const std::string& description) const;

    // The screen on top: the hub's presented one, or the top of its navigation controller.
    template <class Screen>
    std::shared_ptr<Screen> shown() const
    {
        auto top = ZKCTouchManager::sharedInstance()->mainVController()->presentedViewController();
        if (const auto navigation = std::dynamic_pointer_cast<platform::ui::NavigationController>(top)) {
            top = navigation->topViewController();
        }
        return std::dynamic_pointer_cast<Screen>(top);
    }

    // The field tapped on the page, then the settings button of its menu.
    template <class Screen>
    std::shared_ptr<Screen> openSettings(const ZKElementView& field)
    {
        tap(field);
        tap(*field.contextMenu()->settingsBtn());
        host::pause(0.6);
        return shown<Screen>();
    }

    // Closes the keyboard with a tap on the screen's title, then saves; a screen that
    // closes is gone once its animation ends.
    void save(const ZKFieldSettingsTopBar& bar);
};

} // namespace host
