#pragma once

#include "designer/screens/ZKCurrentSignerTableViewCellDelegate.h"
#include "designer/screens/ZKPanelRowCell.h"
#include "ui/Button.h"
#include "ui/Label.h"

#include <memory>
#include <string>

// Row 0 of the side panel: the signer fields are placed for (or whose turn it is), with
// the role glyph, the name and an arrow that opens or closes the list of the other
// signers; shrunk, a small glyph and the initials in the icon column. The panel fills
// it. Main thread only.
class ZKCurrentSignerTableViewCell : public ZKPanelRowCell {
public:
    static constexpr const char* identifier = "currentSignerCell";
    // The arrow while the list is closed and while it is open.
    static constexpr const char* openArrow = "x";
    static constexpr const char* closeArrow = "y";

    explicit ZKCurrentSignerTableViewCell(const std::string& reuseIdentifier = identifier);

    std::shared_ptr<ZKCurrentSignerTableViewCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<ZKCurrentSignerTableViewCellDelegate>& delegate) { delegate_ = delegate; }

    void awakeFromNib() override;
    void layoutSubviews() override;
    // Asks to close the list when it is open, else to open it, and turns the arrow.
    void currentSignerCellTapped(platform::ui::Control& sender);

    // Whether the list of the other signers is open.
    bool isInExpandedMode = false;

    // Outlets.
    std::weak_ptr<platform::ui::Label> signerIconLeft;
    std::weak_ptr<platform::ui::Label> arrowIcon;
    std::weak_ptr<platform::ui::Label> signerNameLabel;
    std::weak_ptr<platform::ui::Label> signerIconLeftSmall;
    std::weak_ptr<platform::ui::Label> signerInitialsLabel;

protected:
    std::vector<LookView> lookViews() const override;

private:
    std::shared_ptr<platform::ui::Button> button_;
    std::weak_ptr<ZKCurrentSignerTableViewCellDelegate> delegate_;
};
