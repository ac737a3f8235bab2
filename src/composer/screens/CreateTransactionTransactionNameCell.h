#pragma once

#include "composer/screens/CreateTransactionTransactionNameCellDelegate.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"
#include "ui/TextField.h"

#include <memory>
#include <optional>
#include <string>

// The row in which the transaction is named: a text field under its caption, with a bar
// that turns to the success colour while the name is typed and to the error colour when
// an empty name is refused. Used by the main page and the settings page. Main thread.
class CreateTransactionTransactionNameCell : public platform::ui::TableViewCell,
                                             public platform::ui::TextFieldDelegate {
public:
    static constexpr double statusBarAnimationDuration = 0.25;
    static constexpr double shakeDuration = 0.3;
    static constexpr double shakeMovement = 12;
    // The icon-font glyph of a page beside the name: what is being named.
    static constexpr const char* transactionGlyph = "d";

    explicit CreateTransactionTransactionNameCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionTransactionNameCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionTransactionNameCellDelegate>& delegate)
    {
        delegate_ = delegate;
    }

    // Refuses the typed name: error bar, the field set to `text` (cleared without one), a
    // shake of the row, and editing ends.
    void animateErrorAndResetFieldTo(const std::optional<std::string>& text);
    void returnButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;
    void textFieldDidBeginEditing(platform::ui::TextField& field) override;
    void textFieldDidEndEditing(platform::ui::TextField& field) override;

    std::weak_ptr<platform::ui::TextField> transactionNameTextField;
    std::weak_ptr<platform::ui::View> transactionNameView;
    std::weak_ptr<platform::ui::View> transactionNameStatusBar;
    std::weak_ptr<platform::ui::Label> transactionNameLabelIphone;
    std::weak_ptr<platform::ui::Label> transactionNameLabelIpad;
    std::weak_ptr<platform::ui::Label> iConLabel;

private:
    void sendName();

    std::weak_ptr<CreateTransactionTransactionNameCellDelegate> delegate_;
};
