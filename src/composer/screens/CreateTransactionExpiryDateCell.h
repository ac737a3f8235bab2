#pragma once

#include "composer/screens/CreateTransactionExpiryDateCellDelegate.h"
#include "ui/Button.h"
#include "ui/DatePicker.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// What the expiry row's button offers: nothing, confirming the picked date, or removing
// the confirmed one.
enum class ExpiryDateAuxButtonMode { None, Confirm, Remove };

// The settings page's expiry row: collapsed, the date (or "Set expiry date") with its
// button, or a chevron while there is no button, which turns down as the row opens; open,
// a date picker below. A date can be confirmed only while it lies after the
// moment it is picked; the row that opens without a date starts its picker at that
// moment and lets it go no earlier. Main thread.
class CreateTransactionExpiryDateCell : public platform::ui::TableViewCell {
public:
    // Weekday, day, month and calendar year ("Wed, 31 Dec 2025") in the device's locale
    // and time zone.
    static constexpr const char* dateLabelPattern = "EEE, d MMM yyyy";
    // The icon font's chevrons of a row that opens and of an open one.
    static constexpr const char* closedChevronGlyph = "B";
    static constexpr const char* openChevronGlyph = "x";

    explicit CreateTransactionExpiryDateCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionExpiryDateCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionExpiryDateCellDelegate>& delegate) { delegate_ = delegate; }

    ExpiryDateAuxButtonMode expiryCellAuxButtonMode() const { return expiryCellAuxButtonMode_; }
    void setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode mode);

    // The page's pending date, or none: the picker, the label and the button follow.
    void showExpiryDate(const std::optional<platform::Date>& date);
    void makeTransitionToMaximizedMode();
    // Turns the chevron as the page opens or closes the row.
    void showOpen(bool open);
    void updateDateLabel();

    void setExpiryDateButtonTapped(platform::ui::Control& sender);
    void expiryDatePickerDateChanged(platform::ui::Control& sender);
    void confirmRemoveButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Label> expiryDateLabel;
    std::weak_ptr<platform::ui::Button> setExpiryDateButton;
    std::weak_ptr<platform::ui::Button> confirmRemoveButton;
    std::weak_ptr<platform::ui::DatePicker> expiryDatePicker;
    std::weak_ptr<platform::ui::Label> disclosureChevron;

private:
    void collapse();

    std::weak_ptr<CreateTransactionExpiryDateCellDelegate> delegate_;
    ExpiryDateAuxButtonMode expiryCellAuxButtonMode_ = ExpiryDateAuxButtonMode::None;
    std::shared_ptr<platform::ui::Label> icon_;
    std::shared_ptr<platform::ui::Label> chevron_;
};
