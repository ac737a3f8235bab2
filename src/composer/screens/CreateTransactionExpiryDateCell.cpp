#include "composer/screens/CreateTransactionExpiryDateCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "foundation/DateFormatter.h"
#include "support/LocalizedSDK.h"

using platform::Date;
using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::ControlEvent;

namespace {

constexpr double margin = 16;
constexpr double collapsedHeight = 45;
constexpr double iconSize = 22;
constexpr double buttonWidth = 90;
constexpr double chevronSize = 16;
constexpr double pickerHeight = 216;

} // namespace

CreateTransactionExpiryDateCell::CreateTransactionExpiryDateCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , icon_(std::make_shared<platform::ui::Label>())
    , chevron_(std::make_shared<platform::ui::Label>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    icon_->setFont(CreateTransactionLook::iconFont(iconSize));
    icon_->setTextColor(CreateTransactionLook::accent());
    icon_->setText("U");
    chevron_->setFont(CreateTransactionLook::iconFont(chevronSize));
    chevron_->setTextColor(CreateTransactionLook::caption());
    chevron_->setTextAlignment(platform::graphics::TextAlignment::right);
    chevron_->setText(std::string(closedChevronGlyph));
    auto label = std::make_shared<platform::ui::Label>();
    label->setFont(platform::graphics::Font::systemFont(16));
    label->setText(localizedSDK("Set expiry date"));
    auto rowButton = std::make_shared<platform::ui::Button>();
    auto auxButton = std::make_shared<platform::ui::Button>();
    auxButton->setTitleColor(CreateTransactionLook::accent());
    auxButton->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(16));
    auxButton->titleLabel()->setTextAlignment(platform::graphics::TextAlignment::right);
    auto picker = std::make_shared<platform::ui::DatePicker>();
    picker->setMode(platform::ui::DatePickerMode::date);
    picker->setBackgroundColor(Color::white());
    for (const auto& view : std::initializer_list<std::shared_ptr<platform::ui::View>>{icon_, label, chevron_,
                                                                                       rowButton, auxButton, picker}) {
        contentView()->addSubview(view);
    }
    expiryDateLabel = label;
    setExpiryDateButton = rowButton;
    confirmRemoveButton = auxButton;
    expiryDatePicker = picker;
    disclosureChevron = chevron_;
    setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::None);
}

void CreateTransactionExpiryDateCell::awakeFromNib()
{
    const auto self = shared_from_this();
    setExpiryDateButton.lock()->addTarget(self, ControlEvent::touchUpInside,
                                          [this](platform::ui::Control& sender) { setExpiryDateButtonTapped(sender); });
    confirmRemoveButton.lock()->addTarget(self, ControlEvent::touchUpInside,
                                          [this](platform::ui::Control& sender) { confirmRemoveButtonTapped(sender); });
    expiryDatePicker.lock()->addTarget(self, ControlEvent::valueChanged, [this](platform::ui::Control& sender) {
        expiryDatePickerDateChanged(sender);
    });
}

void CreateTransactionExpiryDateCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const double width = contentView()->bounds().width();
    icon_->setFrame(makeRect(margin, (collapsedHeight - iconSize) / 2, iconSize + 4, iconSize));
    const double labelLeft = margin + iconSize + 12;
    const double buttonLeft = width - margin - buttonWidth;
    expiryDateLabel.lock()->setFrame(makeRect(labelLeft, 0, buttonLeft - labelLeft - 8, collapsedHeight));
    setExpiryDateButton.lock()->setFrame(makeRect(0, 0, width, collapsedHeight));
    confirmRemoveButton.lock()->setFrame(makeRect(buttonLeft, 0, buttonWidth, collapsedHeight));
    chevron_->setFrame(makeRect(width - margin - chevronSize, 0, chevronSize, collapsedHeight));
    expiryDatePicker.lock()->setFrame(makeRect(0, collapsedHeight, width, pickerHeight));
}

void CreateTransactionExpiryDateCell::setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode mode)
{
    expiryCellAuxButtonMode_ = mode;
    const auto button = confirmRemoveButton.lock();
    switch (mode) {
    case ExpiryDateAuxButtonMode::None:
        button->setTitle("");
        break;
    case ExpiryDateAuxButtonMode::Confirm:
        button->setTitle(localizedSDK("Confirm"));
        break;
    case ExpiryDateAuxButtonMode::Remove:
        button->setTitle(localizedSDK("Remove"));
        break;
    }
    button->setHidden(mode == ExpiryDateAuxButtonMode::None);
    // The row's button takes the chevron's place.
    chevron_->setHidden(mode != ExpiryDateAuxButtonMode::None);
}

void CreateTransactionExpiryDateCell::showOpen(bool open)
{
    chevron_->setText(std::string(open ? openChevronGlyph : closedChevronGlyph));
}

void CreateTransactionExpiryDateCell::showExpiryDate(const std::optional<Date>& date)
{
    const auto picker = expiryDatePicker.lock();
    if (!date) {
        picker->setDate(Date::now());
        expiryDateLabel.lock()->setText(localizedSDK("Set expiry date"));
        setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::None);
        return;
    }
    // A stored date may lie before the earliest date this picker offered last time.
    picker->setMinimumDate(std::nullopt);
    picker->setDate(*date);
    setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::Remove);
    updateDateLabel();
}

void CreateTransactionExpiryDateCell::makeTransitionToMaximizedMode()
{
    if (expiryCellAuxButtonMode_ != ExpiryDateAuxButtonMode::None) {
        return;
    }
    const auto picker = expiryDatePicker.lock();
    const Date now = Date::now();
    picker->setMinimumDate(now);
    picker->setDate(now);
}

void CreateTransactionExpiryDateCell::updateDateLabel()
{
    const platform::DateFormatter formatter(dateLabelPattern);
    expiryDateLabel.lock()->setText(formatter.format(expiryDatePicker.lock()->date()));
}

void CreateTransactionExpiryDateCell::setExpiryDateButtonTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->createTransactionExpiryDateCellDidRequestToggle(*this);
    }
}

void CreateTransactionExpiryDateCell::expiryDatePickerDateChanged(platform::ui::Control&)
{
    const bool future = expiryDatePicker.lock()->date() > Date::now();
    setExpiryCellAuxButtonMode(future ? ExpiryDateAuxButtonMode::Confirm : ExpiryDateAuxButtonMode::None);
}

void CreateTransactionExpiryDateCell::confirmRemoveButtonTapped(platform::ui::Control&)
{
    const auto listener = delegate();
    switch (expiryCellAuxButtonMode_) {
    case ExpiryDateAuxButtonMode::None:
        return;
    case ExpiryDateAuxButtonMode::Confirm:
        updateDateLabel();
        collapse();
        if (listener) {
            listener->createTransactionExpiryDateUpdated(expiryDatePicker.lock()->date(), *this);
        }
        setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::Remove);
        return;
    case ExpiryDateAuxButtonMode::Remove:
        expiryDateLabel.lock()->setText(localizedSDK("Set expiry date"));
        collapse();
        if (listener) {
            listener->createTransactionExpiryDateUpdated(std::nullopt, *this);
        }
        setExpiryCellAuxButtonMode(ExpiryDateAuxButtonMode::None);
        return;
    }
}

void CreateTransactionExpiryDateCell::collapse()
{
    if (const auto listener = delegate()) {
        listener->createTransactionExpiryDateCellDidRequestCollapse(*this);
    }
}
