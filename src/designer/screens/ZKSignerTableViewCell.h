#pragma once

#include "designer/screens/ZKPanelInnerRowCell.h"
#include "designer/screens/ZKSignerTableViewCellDelegate.h"
#include "ui/Label.h"

#include <memory>
#include <string>

// One signer of the side panel's other-signers list: the role glyph and the name, or,
// shrunk, the initials in the icon column. A tap reports the row's index. Main thread
// only.
class ZKSignerTableViewCell : public ZKPanelInnerRowCell {
public:
    static constexpr const char* identifier = "signerTableViewCell";

    explicit ZKSignerTableViewCell(const std::string& reuseIdentifier = identifier);

    std::shared_ptr<ZKSignerTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKSignerTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    void awakeFromNib() override;
    void layoutSubviews() override;
    void signerCellTapped(platform::ui::Control& sender);

    long signerIndex = 0;

    // Outlets.
    std::weak_ptr<platform::ui::Label> signerIcon;
    std::weak_ptr<platform::ui::Label> signerNameLabel;
    std::weak_ptr<platform::ui::Label> signerCredentials;

protected:
    std::vector<LookView> lookViews() const override;

private:
    std::weak_ptr<ZKSignerTableViewCellDelegate> delegate_;
};
