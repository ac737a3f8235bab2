#pragma once

#include "ui/View.h"

#include <memory>
#include <string>

class ZKElement;

// A choice as it lies on the page (a check box, a radio button): a square mark area that
// shows whether its element's content counts as chosen. Main thread only.
class ZKChoiceDisplayView : public platform::ui::View {
public:
    bool isChecked() const { return checked_; }
    // Redraws the mark from the element's content.
    void updateAppearance();

protected:
    explicit ZKChoiceDisplayView(std::weak_ptr<ZKElement> element);
    virtual bool isCheckedContent(const std::string& content) const = 0;
    // The largest square centred in the bounds, where the mark is drawn.
    platform::graphics::Rect markArea() const;

private:
    std::weak_ptr<ZKElement> element_;
    bool checked_ = false;
};
