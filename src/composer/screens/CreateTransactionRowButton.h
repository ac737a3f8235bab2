#pragma once

#include "ui/Button.h"

#include <memory>
#include <string>

// The plain text buttons of the composer's rows ("+ Add Document", "+ Add Recipient").
struct CreateTransactionRowButton {
    static std::shared_ptr<platform::ui::Button> make(const std::string& title);
};
