#include "composer/screens/CreateTransactionTransactionNameCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "foundation/NotificationCenter.h"
#include "foundation/Text.h"
#include "support/LocalizedSDK.h"
#include "support/ZKColor.h"
#include "ui/Animator.h"
#include "ui/Screen.h"

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::Label;
using platform::ui::View;

namespace {

constexpr double margin = 16;
constexpr double fieldHeight = 40;
constexpr double iconSize = 24;

std::shared_ptr<Label> makeCaption(double size)
{
    auto caption = std::make_shared<Label>();
    caption->setText(localizedSDK("Transaction name"));
    caption->setFont(platform::graphics::Font::boldSystemFont(size));
    caption->setTextColor(CreateTransactionLook::caption());
    return caption;
}

} // namespace

CreateTransactionTransactionNameCell::CreateTransactionTransactionNameCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    setBackgroundColor(CreateTransactionLook::pageBackground());
    auto frame = std::make_shared<View>();
    frame->setBackgroundColor(Color::white());
    frame->layer().setCornerRadius(6);
    auto field = std::make_shared<platform::ui::TextField>();
    field->setFont(CreateTransactionLook::bodyFont());
    field->setPlaceholder(localizedSDK("Name the transaction"));
    auto bar = std::make_shared<View>();
    bar->setBackgroundColor(CreateTransactionLook::divider());
    auto icon = std::make_shared<Label>();
    icon->setFont(CreateTransactionLook::iconFont(iconSize));
    icon->setTextColor(CreateTransactionLook::accent());
    icon->setText(transactionGlyph);
    auto phoneCaption = makeCaption(13);
    auto tabletCaption = makeCaption(17);
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{phoneCaption, tabletCaption, icon, field, bar}) {
        frame->addSubview(view);
    }
    contentView()->addSubview(frame);
    transactionNameView = frame;
    transactionNameTextField = field;
    transactionNameStatusBar = bar;
    transactionNameLabelIphone = phoneCaption;
    transactionNameLabelIpad = tabletCaption;
    iConLabel = icon;
}

void CreateTransactionTransactionNameCell::awakeFromNib()
{
    const auto self = std::static_pointer_cast<CreateTransactionTransactionNameCell>(shared_from_this());
    const auto field = transactionNameTextField.lock();
    field->setDelegate(self);
    field->addTarget(self, platform::ui::ControlEvent::primaryActionTriggered,
                     [this](platform::ui::Control& sender) { returnButtonTapped(sender); });
}

void CreateTransactionTransactionNameCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const bool tablet = platform::ui::Screen::main().traitCollection().isRegularByRegular();
    const auto area = contentView()->bounds();
    const auto frame = transactionNameView.lock();
    frame->setFrame(makeRect(margin, margin / 2, area.width() - 2 * margin, area.height() - margin));
    const double width = frame->bounds().width();
    const double captionHeight = tablet ? 30 : 22;
    transactionNameLabelIphone.lock()->setHidden(tablet);
    transactionNameLabelIpad.lock()->setHidden(!tablet);
    transactionNameLabelIphone.lock()->setFrame(makeRect(margin, 10, width - 2 * margin, captionHeight));
    transactionNameLabelIpad.lock()->setFrame(makeRect(margin, 10, width - 2 * margin, captionHeight));
    const double fieldTop = 10 + captionHeight + 4;
    iConLabel.lock()->setFrame(makeRect(margin, fieldTop + (fieldHeight - iconSize) / 2, iconSize + 4, iconSize));
    const double fieldLeft = margin + iconSize + 12;
    transactionNameTextField.lock()->setFrame(makeRect(fieldLeft, fieldTop, width - fieldLeft - margin, fieldHeight));
    transactionNameStatusBar.lock()->setFrame(makeRect(margin, fieldTop + fieldHeight, width - 2 * margin, 2));
}

void CreateTransactionTransactionNameCell::textFieldDidBeginEditing(platform::ui::TextField&)
{
    const auto bar = transactionNameStatusBar.lock();
    platform::ui::Animator::animate(statusBarAnimationDuration,
                                    [&] { bar->setBackgroundColor(ZKColor::success()); });
    platform::NotificationCenter::defaultCenter().post(CreateTransactionNotifications::transactionNameDidBeginEditing);
}

// Return ends editing, and the end of editing sends the name: one name per edit.
void CreateTransactionTransactionNameCell::returnButtonTapped(platform::ui::Control&)
{
    const auto field = transactionNameTextField.lock();
    if (field->isFirstResponder()) {
        field->resignFirstResponder();
        return;
    }
    sendName();
}

void CreateTransactionTransactionNameCell::textFieldDidEndEditing(platform::ui::TextField&)
{
    sendName();
}

void CreateTransactionTransactionNameCell::sendName()
{
    const auto field = transactionNameTextField.lock();
    const std::string text = field->text();
    if (const auto listener = delegate()) {
        const bool named = !CreateTransactionUtil::stringIsEmpty(text);
        listener->transactionNameCellDidRequestBlurView(!named, true, *this);
        listener->transactionNameCellShouldUpdateTransactionName(named ? platform::text::trimWhitespace(text) : "",
                                                                 *this);
    }
    field->resignFirstResponder();
}

void CreateTransactionTransactionNameCell::animateErrorAndResetFieldTo(const std::optional<std::string>& text)
{
    transactionNameStatusBar.lock()->setBackgroundColor(ZKColor::error());
    transactionNameTextField.lock()->setText(text.value_or(""));
    CreateTransactionUtil::animateShakeWithDurationForView(*transactionNameView.lock(), shakeDuration, shakeMovement,
                                                           nullptr);
    contentView()->endEditing(true);
}
