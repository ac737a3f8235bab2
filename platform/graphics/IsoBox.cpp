#include "graphics/IsoBox.h"

#include <algorithm>

namespace platform::graphics {

std::optional<IsoBox::List> IsoBox::read(ByteView area)
{
    List boxes;
    std::uint64_t offset = 0;
    while (offset < area.size()) {
        std::uint64_t size = area.bigEndian(offset, 4);
        std::uint64_t header = 8;
        if (size == 1) {
            size = area.bigEndian(offset + 8, 8);
            header = 16;
        } else if (size == 0) {
            size = area.size() - offset;
        }
        if (size < header || !area.has(offset, size))
            return std::nullopt;
        boxes.push_back({area.text(offset + 4, 4), area.window(offset + header, size - header)});
        offset += size;
    }
    return boxes;
}

const IsoBox* IsoBox::find(const List& boxes, std::string_view type)
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [type](const IsoBox& box) { return box.type == type; });
    return found == boxes.end() ? nullptr : &*found;
}

std::optional<IsoBox::List> IsoBox::children(std::uint64_t skip) const
{
    if (!body.has(0, skip))
        return std::nullopt;
    return read(body.window(skip));
}

} // namespace platform::graphics
