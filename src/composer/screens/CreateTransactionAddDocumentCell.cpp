#include "composer/screens/CreateTransactionAddDocumentCell.h"

#include "composer/screens/CreateTransactionRowButton.h"
#include "support/LocalizedSDK.h"

using platform::graphics::makeRect;

CreateTransactionAddDocumentCell::CreateTransactionAddDocumentCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto button = CreateTransactionRowButton::make(localizedSDK("Add Document"));
    contentView()->addSubview(button);
    addDocumentsButton = button;
}

void CreateTransactionAddDocumentCell::awakeFromNib()
{
    addDocumentsButton.lock()->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                                         [this](platform::ui::Control& sender) { addDocumentsButtonTapped(sender); });
}

void CreateTransactionAddDocumentCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    addDocumentsButton.lock()->setFrame(makeRect(16, 0, area.width() - 32, area.height()));
}

void CreateTransactionAddDocumentCell::addDocumentsButtonTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->addDocumentsButtonTapped();
    }
}
