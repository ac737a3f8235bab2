#pragma once

#include "fields/ZKElementView.h"
#include "fields/ZKLabelDisplayView.h"

#include <memory>
#include <string>

// An element view that shows its element's content as text, or while there is none a
// placeholder that names the kind of field. Main thread only.
class ZKLabelledElementView : public ZKElementView {
public:
    ZKLabelledElementView(std::shared_ptr<ZKElement> element, bool multiline);

    const std::shared_ptr<ZKLabelDisplayView>& labelledDisplayView() const { return display_; }

protected:
    // What names the kind of field; the field's own name unless a kind says otherwise.
    virtual std::string placeholderText() const;
    void updateDisplay() override;

private:
    std::shared_ptr<ZKLabelDisplayView> display_;
};
