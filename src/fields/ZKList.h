#pragma once

#include "fields/ZKElementView.h"
#include "fields/ZKListDisplayView.h"

#include <string>

// A drop-down list a signer picks one item from.
class ZKList : public ZKElementView {
public:
    explicit ZKList(std::shared_ptr<ZKElement> element);

    std::string className() const override { return "ZKList"; }

    const std::shared_ptr<ZKListDisplayView>& listDisplayView() const { return listDisplayView_; }

    // Redraws the list from the element; the value shown is the element's content, so the
    // argument is not used.
    void setValue(const std::string& value);

protected:
    void updateDisplay() override;

private:
    std::shared_ptr<ZKListDisplayView> listDisplayView_;
};
