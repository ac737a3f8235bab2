#pragma once

#include "composer/screens/CreateTransactionInPersonSigningCellDelegate.h"
#include "composer/screens/CreateTransactionSettingsSwitchCell.h"

#include <memory>
#include <string>

// The settings page's in-person signing switch. Main thread.
class CreateTransactionInPersonSigningCell : public CreateTransactionSettingsSwitchCell {
public:
    explicit CreateTransactionInPersonSigningCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionInPersonSigningCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionInPersonSigningCellDelegate>& delegate) { delegate_ = delegate; }

    std::weak_ptr<platform::ui::Switch> inPersonSigningSwitch;

protected:
    void switchChanged(bool on) override;

private:
    std::weak_ptr<CreateTransactionInPersonSigningCellDelegate> delegate_;
};
