#pragma once

#include "ui/View.h"

#include <memory>

// A dimmed layer over a whole window that takes every touch, so nothing beneath it can be
// used, with a rounded box in its centre for the content of one message.
class VTModalOverlayView : public platform::ui::View {
public:
    explicit VTModalOverlayView(const platform::ui::Rect& frame);
    ~VTModalOverlayView() override;

    const std::shared_ptr<platform::ui::View>& box() const { return box_; }

    // Covers the window and puts itself above everything already in it, and covers it
    // again each time the screen turns.
    void showInWindow(platform::ui::View& window);

    void layoutSubviews() override;

protected:
    // The box's size for its current content.
    virtual platform::ui::Size boxSize() const = 0;
    // Places the content inside a box of boxSize().
    virtual void layoutBox() = 0;

private:
    void coverWindow();

    std::shared_ptr<platform::ui::View> box_;
};
