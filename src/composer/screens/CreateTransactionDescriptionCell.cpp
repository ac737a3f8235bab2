#include "composer/screens/CreateTransactionDescriptionCell.h"

#include "support/LocalizedSDK.h"

CreateTransactionDescriptionCell::CreateTransactionDescriptionCell(const std::string& reuseIdentifier)
    : CreateTransactionCollapsibleTextCell(reuseIdentifier, {"t", localizedSDK("Add a description"),
                                                             localizedSDK("Transaction description"),
                                                             localizedSDK("Describe the transaction")})
    , addTransactionDescriptionButton(addButton_)
    , addTransactionDescriptionLabel(addLabel_)
    , addTransactionDescriptionButtonIcon(addIcon_)
    , transactionDescriptionLabel(titleLabel_)
    , transactionDescriptionPlaceHolder(textFrame_)
    , transactionDescriptionClearButton(clearButton_)
    , transactionDescriptionTextView(textView_)
    , addDescriptionLabel(hintLabel_)
{
}

void CreateTransactionDescriptionCell::awakeFromNib()
{
    CreateTransactionCollapsibleTextCell::awakeFromNib();
    addButton_->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { addTransactionDescriptionButtonTapped(sender); });
}

void CreateTransactionDescriptionCell::addTransactionDescriptionButtonTapped(platform::ui::Control&)
{
    openEditor();
}

void CreateTransactionDescriptionCell::sendText(const std::optional<std::string>& text)
{
    if (const auto listener = delegate()) {
        listener->createTransactionDescriptionCellShouldUpdateTransactionDescription(text, *this);
    }
}

void CreateTransactionDescriptionCell::tellEditingBegan()
{
    if (const auto listener = delegate()) {
        listener->createTransactionDescriptionCellDidBeginEditing(*this);
    }
}

void CreateTransactionDescriptionCell::tellMinimized(bool minimized)
{
    if (const auto listener = delegate()) {
        listener->createTransactionDescriptionCellDidChangeMinimized(minimized, *this);
    }
}
