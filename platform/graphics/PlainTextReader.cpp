#include "graphics/PlainTextReader.h"

#include "foundation/Text.h"
#include "graphics/TextDecoder.h"

#include <algorithm>
#include <string_view>

namespace platform::graphics {

bool PlainTextReader::read(std::span<const std::uint8_t> bytes, const std::function<void(const TextBlock&)>& line)
{
    if (std::find(bytes.begin(), bytes.end(), std::uint8_t(0)) != bytes.end())
        return false;
    // The whole file decides its encoding: a line that happens to be valid UTF-8 in a
    // Windows-1252 file is still Windows-1252.
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const bool utf8 = text::isValidUtf8(text);
    if (utf8 && text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    TextBlock block;
    block.style = TextBlock::Style::preformatted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n' || c == '\f') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            line(block);
            block.text.clear();
        } else if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) {
            if (utf8)
                block.text += c;
            else
                TextDecoder::appendWindows1252(block.text, static_cast<std::uint8_t>(c));
        }
    }
    if (!block.text.empty())
        line(block);
    return true;
}

std::optional<std::vector<TextBlock>> PlainTextReader::read(std::span<const std::uint8_t> bytes)
{
    std::vector<TextBlock> lines;
    if (!read(bytes, [&lines](const TextBlock& line) { lines.push_back(line); }))
        return std::nullopt;
    return lines;
}

} // namespace platform::graphics
