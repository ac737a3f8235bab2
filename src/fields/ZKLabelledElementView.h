#pragma once

#include "fields/ZKElementView.h"
#include "fields/ZKLabelDisplayView.h"

#include <memory>
#include <string>

// An element view that shows its element's content as text, or while there is none a
// placeholder that names the kind of field.
class ZKLabelledElementView : public ZKElementView {
public:
    ZKLabelledElementView(std::shared_ptr<ZKElement> element, bool multiline);

    const std::shared_ptr<ZKLabelDisplayView>& labelledDisplayView() const { return display_; }

protected:
    virtual std::string placeholderText() const = 0;
    void updateDisplay() override;

private:
    std::shared_ptr<ZKLabelDisplayView> display_;
};
