#pragma once

#include "composer/screens/CreateTransactionAutoCompleteCellDelegate.h"
#include "composer/screens/CreateTransactionSettingsSwitchCell.h"

#include <memory>
#include <string>

// The settings page's auto-complete switch. Main thread.
class CreateTransactionAutoCompleteCell : public CreateTransactionSettingsSwitchCell {
public:
    explicit CreateTransactionAutoCompleteCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionAutoCompleteCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionAutoCompleteCellDelegate>& delegate) { delegate_ = delegate; }

    std::weak_ptr<platform::ui::Switch> autoCompleteSwitch;

protected:
    void switchChanged(bool on) override;

private:
    std::weak_ptr<CreateTransactionAutoCompleteCellDelegate> delegate_;
};
