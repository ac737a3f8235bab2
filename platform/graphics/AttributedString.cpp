#include "graphics/AttributedString.h"

namespace platform::graphics {

AttributedString& AttributedString::append(std::string text, std::optional<Font> font, std::optional<Color> color)
{
    runs_.push_back({std::move(text), std::move(font), color});
    return *this;
}

std::string AttributedString::string() const
{
    std::string text;
    for (const Run& run : runs_) {
        text += run.text;
    }
    return text;
}

} // namespace platform::graphics
