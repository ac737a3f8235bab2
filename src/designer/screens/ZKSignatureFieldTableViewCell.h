#pragma once

#include "designer/screens/ZKPanelInnerRowCell.h"
#include "designer/screens/ZKSignatureFieldTableViewCellDelegate.h"
#include "ui/Label.h"

#include <functional>
#include <memory>
#include <string>

// One item of the side panel's field palette: its glyph and description, or, shrunk, the
// glyph alone in the icon column. A disabled item is dimmed and its button takes no
// touches; a tap on an enabled one reports the row's index. Main thread only.
class ZKSignatureFieldTableViewCell : public ZKPanelInnerRowCell {
public:
    static constexpr const char* identifier = "ZKSignatureFieldTableViewCell";
    static constexpr double disabledAlpha = 0.3;
    static constexpr double enablingDuration = 0.15;

    explicit ZKSignatureFieldTableViewCell(const std::string& reuseIdentifier = identifier);

    std::shared_ptr<ZKSignatureFieldTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKSignatureFieldTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    void enableCellAnimatedCompletion(bool animated, const Completion& completion);
    void disableCellAnimatedCompletion(bool animated, const Completion& completion);

    void awakeFromNib() override;
    void layoutSubviews() override;
    void signatureFieldTapped(platform::ui::Control& sender);

    long signatureFieldIndex = 0;

    // Outlets.
    std::weak_ptr<platform::ui::View> cellContentView;
    std::weak_ptr<platform::ui::Label> leftSignatureFieldIcon;
    std::weak_ptr<platform::ui::Label> signatureFieldDescriptionLabel;
    std::weak_ptr<platform::ui::Label> rightSignatureFieldIcon;

protected:
    std::vector<LookView> lookViews() const override;

private:
    void setUsable(bool usable, bool animated, const Completion& completion);

    std::weak_ptr<ZKSignatureFieldTableViewCellDelegate> delegate_;
};
