#include "composer/screens/CreateTransactionMessageToSignersCell.h"

#include "support/LocalizedSDK.h"

CreateTransactionMessageToSignersCell::CreateTransactionMessageToSignersCell(const std::string& reuseIdentifier)
    : CreateTransactionCollapsibleTextCell(reuseIdentifier, {"m", localizedSDK("Add a message"),
                                                             localizedSDK("Message to all recipients"),
                                                             localizedSDK("Add a message for all recipients")})
    , addMessageButton(addButton_)
    , addMessageLabel(addLabel_)
    , addMessageButtonIcon(addIcon_)
    , messageToAllRecipientsLabel(titleLabel_)
    , messageToAllRecipientsPlaceHolder(textFrame_)
    , clearButton(clearButton_)
    , messageToAllRecipientsTextView(textView_)
    , addAMessageLabel(hintLabel_)
{
}

void CreateTransactionMessageToSignersCell::awakeFromNib()
{
    CreateTransactionCollapsibleTextCell::awakeFromNib();
    addButton_->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                          [this](platform::ui::Control& sender) { addMessageButtonTapped(sender); });
}

void CreateTransactionMessageToSignersCell::addMessageButtonTapped(platform::ui::Control&)
{
    openEditor();
}

void CreateTransactionMessageToSignersCell::sendText(const std::optional<std::string>& text)
{
    if (const auto listener = delegate()) {
        listener->createTransactionMessageToSignersCellShouldUpdateTransactionMessage(text, *this);
    }
}

void CreateTransactionMessageToSignersCell::tellEditingBegan()
{
    if (const auto listener = delegate()) {
        listener->createTransactionMessageToSignersCellDidBeginEditing(*this);
    }
}

void CreateTransactionMessageToSignersCell::tellMinimized(bool minimized)
{
    if (const auto listener = delegate()) {
        listener->createTransactionMessageToSignersCellDidChangeMinimized(minimized, *this);
    }
}
