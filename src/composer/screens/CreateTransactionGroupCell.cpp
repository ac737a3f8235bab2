#include "composer/screens/CreateTransactionGroupCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/ZKColor.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double checkmarkSize = 28;
// Two lines in a 48-point row: type a size smaller than the page's rows, with air around.
constexpr double nameFontSize = 16;
constexpr double emailFontSize = 13;
constexpr double nameHeight = 20;
constexpr double emailHeight = 16;
constexpr double lineGap = 2;

} // namespace

CreateTransactionGroupCell::CreateTransactionGroupCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto name = std::make_shared<platform::ui::Label>();
    name->setFont(platform::graphics::Font::systemFont(nameFontSize));
    auto email = std::make_shared<platform::ui::Label>();
    email->setFont(platform::graphics::Font::systemFont(emailFontSize));
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
    groupNameLabel.lock()->setFrame(makeRect(margin, middle - nameHeight - lineGap / 2, textWidth, nameHeight));
    groupEmailLabel.lock()->setFrame(makeRect(margin, middle + lineGap / 2, textWidth, emailHeight));
    checkmarkLabel.lock()->setFrame(
        makeRect(area.width() - margin - checkmarkSize, middle - checkmarkSize / 2, checkmarkSize, checkmarkSize));
}

void CreateTransactionGroupCell::cellTapped(platform::ui::GestureRecognizer&)
{
    if (const auto listener = delegate()) {
        listener->createTransactionGroupCell_userDidTapCell(*this);
    }
}
