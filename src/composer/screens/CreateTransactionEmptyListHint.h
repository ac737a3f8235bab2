#pragma once

#include "ui/Label.h"

#include <memory>
#include <string>

// The line a list of the main page shows while it has no rows, so the room the page keeps
// for rows does not read as a blank band. It lets touches through to the list below.
struct CreateTransactionEmptyListHint {
    static std::shared_ptr<platform::ui::Label> make(const std::string& text);
};
