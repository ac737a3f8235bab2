#include "graphics/PlainTextReader.h"

#include "graphics/TextDecoder.h"

#include <algorithm>
#include <string>

namespace platform::graphics {
namespace {

TextBlock lineBlock(std::string text)
{
    TextBlock block;
    block.style = TextBlock::Style::preformatted;
    block.text = std::move(text);
    return block;
}

} // namespace

std::optional<std::vector<TextBlock>> PlainTextReader::read(std::span<const std::uint8_t> bytes)
{
    if (std::find(bytes.begin(), bytes.end(), std::uint8_t(0)) != bytes.end())
        return std::nullopt;
    const std::string text = TextDecoder::decode(bytes);
    std::vector<TextBlock> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n' || c == '\f') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.push_back(lineBlock(std::move(line)));
            line.clear();
        } else if (c == '\t' || static_cast<unsigned char>(c) >= 0x20) {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(lineBlock(std::move(line)));
    return lines;
}

} // namespace platform::graphics
