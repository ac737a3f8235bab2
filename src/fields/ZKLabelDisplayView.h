#pragma once

#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

// A field's text as it lies on the page: the value, or a grey placeholder naming the kind
// of field while there is no value. Main thread only.
class ZKLabelDisplayView : public platform::ui::View {
public:
    explicit ZKLabelDisplayView(bool multiline = false);

    const std::shared_ptr<platform::ui::Label>& signingModeLabel() const { return signingModeLabel_; }

    void showText(const std::string& value, const std::string& placeholder);

    void layoutSubviews() override;

    // Text fits a field of the given height.
    static double fontSizeForHeight(double height);

private:
    bool multiline_;
    std::shared_ptr<platform::ui::Label> signingModeLabel_;
};
