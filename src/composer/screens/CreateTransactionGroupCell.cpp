#include "composer/screens/CreateTransactionGroupCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/ZKColor.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double checkmarkSize = 28;

} // namespace

CreateTransactionGroupCell::CreateTransactionGroupCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto name = std::make_shared<platform::ui::Label>();
    name->setFont(CreateTransactionLook::bodyFont());
    auto email = std::make_shared<platform::ui::Label>();
    email->setFont(platform::graphics::Font::systemFont(14));
    email->setTextColor(ZKColor::textLight());
    auto checkmark = std::make_shared<platform::ui::Label>();
    checkmark->setFont(CreateTransactionLook::iconFont(checkmarkSize - 6));
    checkmark->setTextColor(CreateTransactionLook::accent());
    checkmark->setTextAlignment(platform::graphics::TextAlignment::center);
    contentView()->addSubview(name);
    contentView()->addSubview(email);
    contentView()->addSubview(checkmark);
    groupNameLabel = name;
    groupEmailLabel = email;
    checkmarkLabel = checkmark;
}

void CreateTransactionGroupCell::awakeFromNib()
{
    tapGesture->addTarget(shared_from_this(), [this](platform::ui::GestureRecognizer& sender) { cellTapped(sender); });
    contentView()->addGestureRecognizer(tapGesture);
}

void CreateTransactionGroupCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const double textWidth = std::max(0.0, area.width() - 3 * margin - checkmarkSize);
    const double middle = area.height() / 2;
    groupNameLabel.lock()->setFrame(makeRect(margin, middle - 21, textWidth, 22));
    groupEmailLabel.lock()->setFrame(makeRect(margin, middle + 1, textWidth, 18));
    checkmarkLabel.lock()->setFrame(
        makeRect(area.width() - margin - checkmarkSize, middle - checkmarkSize / 2, checkmarkSize, checkmarkSize));
}

void CreateTransactionGroupCell::cellTapped(platform::ui::GestureRecognizer&)
{
    if (const auto listener = delegate()) {
        listener->createTransactionGroupCell_userDidTapCell(*this);
    }
}
