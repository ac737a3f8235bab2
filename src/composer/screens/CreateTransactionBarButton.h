#pragma once

#include "ui/Button.h"

#include <memory>
#include <string>

// The white text buttons of the composer's top bars ("Close", "Settings", "Back", "Save").
struct CreateTransactionBarButton {
    static std::shared_ptr<platform::ui::Button> make(const std::string& title);
};
