#pragma once

#include "graphics/TextBlock.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::graphics {

// Reads the text of an RTF document as paragraphs: groups, control words and symbols,
// \par, \line, \tab, \'hh (Windows-1252), \uN with its \ucN fallback characters, and
// the destinations that hold no body text (font, colour and style tables, document
// information, pictures, headers and footers, \* destinations) skipped.
// Data that does not begin with "{\rtf" is not RTF: nullopt. A document cut short
// gives the text read up to the cut.
class RtfReader {
public:
    static std::optional<std::vector<TextBlock>> read(std::span<const std::uint8_t> bytes);

    static constexpr int maxGroupDepth = 512;

private:
    struct Group {
        bool skipped = false;
        int fallbackLength = 1;
    };

    explicit RtfReader(std::span<const std::uint8_t> bytes);
    bool run();
    std::size_t readControl(std::size_t position);
    std::size_t readControlWord(std::size_t position);
    void handleControlWord(std::string_view word, std::optional<int> parameter);
    void appendText(std::string_view text);
    void appendByte(std::uint8_t byte);
    void appendUnicode(int parameter);
    void endParagraph();

    std::span<const std::uint8_t> bytes_;
    std::vector<Group> groups_;
    std::vector<TextBlock> paragraphs_;
    std::string text_;
    int fallbackToSkip_ = 0;
    char32_t pendingHighSurrogate_ = 0;
};

} // namespace platform::graphics
