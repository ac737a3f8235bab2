#pragma once

#include "graphics/TextBlock.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::graphics {

// Reads HTML as structured text: headings, paragraphs and other block elements, ordered
// and unordered lists (nested), line breaks, table cells separated by tabs and
// preformatted text, with character references decoded and white space collapsed as a
// browser would. Scripts, styles, comments and the title are left out; unknown tags are
// ignored and their text kept, so damaged markup still yields its text.
class HtmlReader {
public:
    static std::vector<TextBlock> read(std::span<const std::uint8_t> bytes);

private:
    struct List {
        bool ordered = false;
        int nextNumber = 1;
    };

    explicit HtmlReader(std::string_view html);
    void run();
    std::size_t readTag(std::size_t position);
    std::size_t skipPast(std::size_t position, std::string_view end);
    void handleTag(std::string_view name, bool closing);
    void handleText(std::string_view raw);
    void appendText(std::string_view decoded);
    void startListItem();
    void flush();

    std::string_view html_;
    std::vector<TextBlock> blocks_;
    TextBlock current_;
    std::vector<List> lists_;
    int preformattedDepth_ = 0;
    bool pendingSpace_ = false;
};

} // namespace platform::graphics
