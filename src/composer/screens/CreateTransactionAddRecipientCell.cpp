#include "composer/screens/CreateTransactionAddRecipientCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionRowButton.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "support/LocalizedSDK.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double switchWidth = 51;
constexpr double switchHeight = 31;
constexpr double captionWidth = 84;

} // namespace

CreateTransactionAddRecipientCell::CreateTransactionAddRecipientCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto button = CreateTransactionRowButton::make(localizedSDK("Add Recipient"));
    auto orderSwitch = std::make_shared<platform::ui::Switch>();
    orderSwitch->setOnTintColor(CreateTransactionLook::accent());
    auto caption = std::make_shared<platform::ui::Label>();
    caption->setText(localizedSDK("Set order"));
    caption->setFont(platform::graphics::Font::systemFont(15));
    caption->setTextColor(CreateTransactionLook::caption());
    caption->setTextAlignment(platform::graphics::TextAlignment::right);
    contentView()->addSubview(button);
    contentView()->addSubview(caption);
    contentView()->addSubview(orderSwitch);
    addRecipientsButton = button;
    orderedSigningSwitch = orderSwitch;
    setOrderLabel = caption;
}

void CreateTransactionAddRecipientCell::awakeFromNib()
{
    const auto self = shared_from_this();
    addRecipientsButton.lock()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                          [this](platform::ui::Control& sender) { addRecipientsButtonTapped(sender); });
    orderedSigningSwitch.lock()->addTarget(self, platform::ui::ControlEvent::valueChanged,
                                           [this](platform::ui::Control& sender) { orderedSigningSwitchChanged(sender); });
}

void CreateTransactionAddRecipientCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const double switchLeft = area.width() - margin - switchWidth;
    orderedSigningSwitch.lock()->setFrame(
        makeRect(switchLeft, (area.height() - switchHeight) / 2, switchWidth, switchHeight));
    setOrderLabel.lock()->setFrame(makeRect(switchLeft - 8 - captionWidth, 0, captionWidth, area.height()));
    addRecipientsButton.lock()->setFrame(makeRect(margin, 0, switchLeft - 8 - captionWidth - margin, area.height()));
}

void CreateTransactionAddRecipientCell::addRecipientsButtonTapped(platform::ui::Control&)
{
    const auto listener = delegate();
    if (!listener) {
        return;
    }
    listener->setSelectedSignerIndex(std::nullopt);
    listener->performSegueWithIdentifierSender(CreateTransactionStoryboard::toAddSignerPageSegue, shared_from_this());
}

void CreateTransactionAddRecipientCell::orderedSigningSwitchChanged(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->orderedSigningSwitchChanged(orderedSigningSwitch.lock()->isOn());
    }
}
