#include "signers/screens/CreateTransactionSignerContactEmailCell.h"

#include "composer/screens/CreateTransactionLook.h"

using platform::graphics::makeRect;

namespace {

// The addresses line up under the contact's name.
constexpr double textLeading = 75;

} // namespace

CreateTransactionSignerContactEmailCell::CreateTransactionSignerContactEmailCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto label = std::make_shared<platform::ui::Label>();
    label->setFont(platform::graphics::Font::systemFont(15));
    label->setTextColor(CreateTransactionLook::accent());
    auto button = std::make_shared<platform::ui::Button>();
    contentView()->addSubview(label);
    contentView()->addSubview(button);
    emailLabel = label;
    selectionButton = button;
}

void CreateTransactionSignerContactEmailCell::awakeFromNib()
{
    selectionButton.lock()->addTarget(
        shared_from_this(), platform::ui::ControlEvent::touchUpInside,
        [this](platform::ui::Control& sender) { contactEmailCellTappedForSelection(sender); });
}

void CreateTransactionSignerContactEmailCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    emailLabel.lock()->setFrame(makeRect(textLeading, 0, std::max(0.0, area.width() - textLeading - 16), area.height()));
    selectionButton.lock()->setFrame(area);
}

void CreateTransactionSignerContactEmailCell::contactEmailCellTappedForSelection(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->contactEmailCellSelected(*this);
    }
}
