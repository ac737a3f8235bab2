#include "composer/screens/CreateTransactionBarButton.h"

std::shared_ptr<platform::ui::Button> CreateTransactionBarButton::make(const std::string& title)
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle(title);
    button->setTitleColor(platform::graphics::Color::white());
    button->titleLabel()->setFont(platform::graphics::Font::systemFont(16));
    return button;
}
