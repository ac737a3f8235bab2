#pragma once

#include "fields/ZKElementView.h"
#include "fields/ZKRadioDisplayView.h"

#include <vector>

// A radio button: one of a named group (the first entry of its validation's
// enumeration), of which at most one button per signature and document is checked.
class ZKRadio : public ZKElementView {
public:
    explicit ZKRadio(std::shared_ptr<ZKElement> element);

    std::string className() const override { return "ZKRadio"; }

    const std::shared_ptr<ZKRadioDisplayView>& radioDisplayView() const { return radioDisplayView_; }

    // Every other "Radio" element of the same signature and document whose group equals
    // this one's (every one when this one has no group) is emptied through updateContent,
    // saved, and redrawn wherever its view lies in the view tree this one is in.
    void uncheckOtherRadiosFromGroup();

protected:
    void updateDisplay() override;

private:
    void redrawRadiosOf(const std::vector<std::shared_ptr<ZKElement>>& elements);

    std::shared_ptr<ZKRadioDisplayView> radioDisplayView_;
};
