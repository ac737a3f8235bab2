#pragma once

#include "composer/screens/CreateTransactionAddDocumentCellDelegate.h"
#include "ui/Button.h"
#include "ui/TableViewCell.h"

#include <memory>
#include <string>

// The main page's row that asks the host for another document. Main thread.
class CreateTransactionAddDocumentCell : public platform::ui::TableViewCell {
public:
    explicit CreateTransactionAddDocumentCell(const std::string& reuseIdentifier);

    std::shared_ptr<CreateTransactionAddDocumentCellDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<CreateTransactionAddDocumentCellDelegate>& delegate) { delegate_ = delegate; }

    void addDocumentsButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;

    std::weak_ptr<platform::ui::Button> addDocumentsButton;

private:
    std::weak_ptr<CreateTransactionAddDocumentCellDelegate> delegate_;
};
