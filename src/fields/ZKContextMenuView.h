#pragma once

#include "ui/Button.h"
#include "ui/View.h"

#include <memory>

class ZKElementView;

// The small menu shown above a field in a position edit. Its settings button opens the
// settings screen of the field's kind. It lies on the field's page rather than on the
// field, so that it can be tapped outside the field's bounds. Main thread only.
class ZKContextMenuView : public platform::ui::View {
public:
    static constexpr double width = 84;
    static constexpr double height = 28;
    // Between the menu and the field it belongs to.
    static constexpr double gap = 6;

    ZKContextMenuView();

    std::shared_ptr<ZKElementView> elementView() const { return elementView_.lock(); }
    void setElementView(const std::weak_ptr<ZKElementView>& view) { elementView_ = view; }

    bool isShown() const { return shown_; }
    // Marks the menu as shown or not and unhides or hides it.
    void setShown(bool shown);

    const std::shared_ptr<platform::ui::Button>& settingsBtn() const { return settingsBtn_; }
    // Drops the field's handles, then opens the settings of the edited element view.
    void settingsBtnAction();

    void layoutSubviews() override;

private:
    std::weak_ptr<ZKElementView> elementView_;
    bool shown_ = false;
    std::shared_ptr<platform::ui::Button> settingsBtn_;
};
