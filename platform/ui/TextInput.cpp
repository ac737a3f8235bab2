#include "ui/TextInput.h"

namespace platform::ui {

void eraseLastCodePoint(std::string& text)
{
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) {
            return;
        }
    }
}

} // namespace platform::ui
