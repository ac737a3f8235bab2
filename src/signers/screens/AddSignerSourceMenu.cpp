#include "signers/screens/AddSignerSourceMenu.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 14;
constexpr double iconSize = 26;

} // namespace

AddSignerSourceMenu::AddSignerSourceMenu()
    : items_{makeItem("v", localizedSDK("Add Myself")), makeItem("p", localizedSDK("Add from Contacts")),
             makeItem(">", localizedSDK("Add from Groups"))}
{
    setBackgroundColor(platform::graphics::Color::white());
    layer().setCornerRadius(10);
    layer().setBorderWidth(1);
    layer().setBorderColor(CreateTransactionLook::divider());
    setClipsToBounds(true);
    for (auto& divider : dividers_) {
        divider = std::make_shared<platform::ui::View>();
        divider->setBackgroundColor(CreateTransactionLook::divider());
        addSubview(divider);
    }
}

AddSignerSourceMenu::Item AddSignerSourceMenu::makeItem(const std::string& glyph, const std::string& text)
{
    Item item{std::make_shared<platform::ui::Label>(), std::make_shared<platform::ui::Label>(),
              std::make_shared<platform::ui::Button>()};
    item.icon->setFont(CreateTransactionLook::iconFont(iconSize));
    item.icon->setText(glyph);
    item.icon->setTextColor(CreateTransactionLook::accent());
    item.icon->setTextAlignment(platform::graphics::TextAlignment::center);
    item.label->setText(text);
    item.label->setFont(CreateTransactionLook::bodyFont());
    item.label->setTextColor(CreateTransactionLook::accent());
    addSubview(item.icon);
    addSubview(item.label);
    addSubview(item.button);
    return item;
}

void AddSignerSourceMenu::layoutSubviews()
{
    View::layoutSubviews();
    const double menuWidth = bounds().width();
    for (std::size_t index = 0; index < items_.size(); ++index) {
        const double top = static_cast<double>(index) * itemHeight;
        const Item& item = items_[index];
        item.icon->setFrame(makeRect(margin, top + (itemHeight - iconSize) / 2, iconSize, iconSize));
        const double textLeft = 2 * margin + iconSize;
        item.label->setFrame(makeRect(textLeft, top, menuWidth - textLeft - margin, itemHeight));
        item.button->setFrame(makeRect(0, top, menuWidth, itemHeight));
    }
    for (std::size_t index = 0; index < dividers_.size(); ++index) {
        dividers_[index]->setFrame(makeRect(0, static_cast<double>(index + 1) * itemHeight - 0.5, menuWidth, 1));
    }
}
