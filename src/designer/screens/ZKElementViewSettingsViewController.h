#pragma once

#include "ceremony/screens/ZKFieldSettingsScreen.h"
#include "graphics/Geometry.h"
#include "ui/TextField.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>

namespace platform {
struct Notification;
}

class ZKElementView;

// The base of field settings screens that move their whole view out of the keyboard's
// way instead of scrolling a form: in landscape a keyboard about to show lifts the view
// to y = 20 and one about to hide puts it back; a rotation fits the view to its
// superview. Loading makes sure the element has a validation record. It also opens the
// settings screen of a field on the hub. Main thread only.
class ZKElementViewSettingsViewController : public platform::ui::ViewController,
                                            public ZKFieldSettingsScreen,
                                            public platform::ui::TextFieldDelegate {
public:
    static constexpr double keyboardAnimationDuration = 0.3;
    static constexpr double raisedY = 20;
    // Ends editing before the interface turns; nothing in the system posts it.
    static constexpr const char* orientationWillChangeNotification = "oriantationWllChange";

    // Makes `elementView` the hub's active element view and performs the hub's segue to
    // the settings screen of the edited element view's kind, chosen by the key
    // "zk_<class name>SettingsViewController"; a kind without a screen opens nothing.
    static void showForElementView(const std::shared_ptr<ZKElementView>& elementView);
    static std::string lookupKeyForClassName(const std::string& className);

    void setElementView(const std::weak_ptr<ZKElementView>& view) override { elementView = view; }

    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    platform::ui::StatusBarStyle preferredStatusBarStyle() const override
    {
        return platform::ui::StatusBarStyle::lightContent;
    }
    platform::ui::OrientationMask supportedInterfaceOrientations() const override
    {
        return platform::ui::OrientationMask::all;
    }

    void keyboardWillShow(const platform::Notification& notification);
    void keyboardWillHide(const platform::Notification& notification);
    void willRotate(const platform::Notification& notification);
    void didRotate(const platform::Notification& notification);
    void handleSingleTap();
    bool textFieldShouldReturn(platform::ui::TextField& field) override;
    void clearEditedField() { editedField_.reset(); }

    // The view's frame before a keyboard lifted it.
    const platform::graphics::Rect& initialFrame() const { return initialFrame_; }
    void setInitialFrame(const platform::graphics::Rect& frame) { initialFrame_ = frame; }

    std::weak_ptr<ZKElementView> elementView;

private:
    void observe(const char* name, void (ZKElementViewSettingsViewController::*handler)(const platform::Notification&));
    static bool screenIsWide();

    platform::graphics::Rect initialFrame_;
    // The view is lifted: a keyboard that shows again keeps the frame to return to.
    bool raised_ = false;
    std::shared_ptr<platform::ui::TextField> editedField_;
};
