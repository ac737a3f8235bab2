#include "composer/screens/CreateTransactionRowButton.h"

#include "composer/screens/CreateTransactionLook.h"

std::shared_ptr<platform::ui::Button> CreateTransactionRowButton::make(const std::string& title)
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle("+  " + title);
    button->setTitleColor(CreateTransactionLook::accent());
    button->titleLabel()->setFont(platform::graphics::Font::boldSystemFont(16));
    button->titleLabel()->setTextAlignment(platform::graphics::TextAlignment::left);
    return button;
}
