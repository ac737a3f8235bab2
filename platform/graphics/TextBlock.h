#pragma once

#include <string>

namespace platform::graphics {

// One block of a document read for conversion to PDF: a paragraph, a heading, a list
// item or a preformatted line. Text is valid UTF-8; "\n" is a forced line break and "\t"
// a tab.
struct TextBlock {
    enum class Style { paragraph, heading, listItem, preformatted };

    Style style = Style::paragraph;
    // Heading level 1-6, or the nesting depth of a list item (1 for the outermost list).
    int level = 0;
    // What precedes a list item: a bullet or a number such as "3.".
    std::string marker;
    std::string text;

    bool operator==(const TextBlock&) const = default;
};

} // namespace platform::graphics
