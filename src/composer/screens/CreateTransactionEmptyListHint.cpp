#include "composer/screens/CreateTransactionEmptyListHint.h"

#include "composer/screens/CreateTransactionLook.h"

std::shared_ptr<platform::ui::Label> CreateTransactionEmptyListHint::make(const std::string& text)
{
    auto hint = std::make_shared<platform::ui::Label>();
    hint->setText(text);
    hint->setFont(platform::graphics::Font::systemFont(15));
    hint->setTextColor(CreateTransactionLook::caption());
    hint->setTextAlignment(platform::graphics::TextAlignment::center);
    hint->setUserInteractionEnabled(false);
    return hint;
}
