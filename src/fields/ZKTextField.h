#pragma once

#include "fields/ZKElementView.h"
#include "fields/ZKTextFieldView.h"

// A one-line text a signer types.
class ZKTextField : public ZKElementView {
public:
    explicit ZKTextField(std::shared_ptr<ZKElement> element);

    std::string className() const override { return "ZKTextField"; }

    const std::shared_ptr<ZKTextFieldView>& textFieldView() const { return textFieldView_; }

protected:
    void updateDisplay() override;

private:
    std::shared_ptr<ZKTextFieldView> textFieldView_;
};
