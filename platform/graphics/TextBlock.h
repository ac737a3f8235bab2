#pragma once

#include <string>

namespace platform::graphics {

// One block of a text document read for conversion to PDF: a paragraph, or a line of
// preformatted text. Text is valid UTF-8; "\n" is a forced line break and "\t" a tab.
struct TextBlock {
    enum class Style { paragraph, preformatted };

    Style style = Style::paragraph;
    std::string text;

    bool operator==(const TextBlock&) const = default;
};

} // namespace platform::graphics
