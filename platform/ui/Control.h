#pragma once

#include "ui/View.h"

#include <functional>
#include <memory>
#include <vector>

namespace platform::ui {

enum class ControlEvent {
    touchDown,
    touchUpInside,
    valueChanged,
    editingDidBegin,
    editingChanged,
    editingDidEnd,
    primaryActionTriggered,
};

enum class ControlState { normal, highlighted, disabled, selected };

// A view that turns touches into events and sends them to its actions. A touch that ends
// inside the control (with a little slack) is a touch-up-inside.
class Control : public View {
public:
    using Action = std::function<void(Control& sender)>;
    static constexpr double touchSlack = 70;

    using View::View;

    // The action holds `target` weakly and is skipped once the target is gone.
    void addTarget(const std::shared_ptr<void>& target, ControlEvent event, Action action);
    void addAction(ControlEvent event, Action action);
    void removeAllActions(ControlEvent event);
    bool hasActions(ControlEvent event) const;
    void sendActions(ControlEvent event);

    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    bool isHighlighted() const { return highlighted_; }
    ControlState state() const;

    void touchesBegan(const TouchSet& touches) override;
    void touchesMoved(const TouchSet& touches) override;
    void touchesEnded(const TouchSet& touches) override;
    void touchesCancelled(const TouchSet& touches) override;

protected:
    // A completed tap; the default sends touch-up-inside.
    virtual void tapped();
    virtual void stateDidChange() {}

private:
    struct Entry {
        ControlEvent event;
        bool hasTarget;
        std::weak_ptr<void> target;
        Action action;
    };
    bool isNear(const Touch& touch) const;

    std::vector<Entry> actions_;
    bool enabled_ = true;
    bool selected_ = false;
    bool highlighted_ = false;
};

} // namespace platform::ui
