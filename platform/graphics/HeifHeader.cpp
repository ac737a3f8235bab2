#include "graphics/HeifHeader.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace platform::graphics {
namespace {

struct Box {
    std::string_view type;
    ByteView body;
};
using Boxes = std::vector<Box>;

// The boxes laid one after another in `area`; nothing when one runs past its end.
std::optional<Boxes> boxesIn(ByteView area)
{
    Boxes boxes;
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

const Box* find(const Boxes& boxes, std::string_view type)
{
    const auto found = std::find_if(boxes.begin(), boxes.end(), [type](const Box& box) { return box.type == type; });
    return found == boxes.end() ? nullptr : &*found;
}

// The children of a box that starts with a version and flags.
std::optional<Boxes> childrenOfFullBox(const Box* box)
{
    if (!box || !box->body.has(0, 4))
        return std::nullopt;
    return boxesIn(box->body.window(4));
}

std::optional<Boxes> childrenOf(const Box* box)
{
    return box ? boxesIn(box->body) : std::nullopt;
}

std::optional<std::uint64_t> primaryItem(const Box* pitm)
{
    if (!pitm)
        return std::nullopt;
    const std::uint64_t idSize = pitm->body.bigEndian(0, 1) == 0 ? 2 : 4;
    if (!pitm->body.has(4, idSize))
        return std::nullopt;
    return pitm->body.bigEndian(4, idSize);
}

double pixelsOf(const Box& ispe)
{
    if (ispe.type != "ispe" || !ispe.body.has(4, 8))
        return 0;
    return static_cast<double>(ispe.body.bigEndian(4, 4)) * static_cast<double>(ispe.body.bigEndian(8, 4));
}

// The 1-based indices into the property container that an "ipma" box gives `item`;
// nothing when the box runs out before its entries do.
std::optional<std::vector<std::uint64_t>> propertiesOf(const Box& ipma, std::uint64_t item)
{
    const ByteView body = ipma.body;
    const std::uint64_t idSize = body.bigEndian(0, 1) == 0 ? 2 : 4;
    const std::uint64_t indexSize = (body.bigEndian(1, 3) & 1) ? 2 : 1;
    const std::uint64_t indexMask = indexSize == 2 ? 0x7FFF : 0x7F;
    const std::uint64_t entries = body.bigEndian(4, 4);
    std::vector<std::uint64_t> indices;
    std::uint64_t offset = 8;
    for (std::uint64_t entry = 0; entry < entries; ++entry) {
        if (!body.has(offset, idSize + 1))
            return std::nullopt;
        const bool wanted = body.bigEndian(offset, idSize) == item;
        const std::uint64_t count = body.bigEndian(offset + idSize, 1);
        offset += idSize + 1;
        if (!body.has(offset, count * indexSize))
            return std::nullopt;
        for (std::uint64_t i = 0; wanted && i < count; ++i)
            indices.push_back(body.bigEndian(offset + i * indexSize, indexSize) & indexMask);
        offset += count * indexSize;
    }
    return indices;
}

// The size the primary item's "ispe" property declares, 0 when it has none.
double primaryPixels(const Boxes& properties, const Boxes& ipmas, std::uint64_t item)
{
    for (const Box& ipma : ipmas) {
        const auto indices = propertiesOf(ipma, item);
        if (!indices)
            return 0;
        for (const std::uint64_t index : *indices) {
            if (index >= 1 && index <= properties.size() && pixelsOf(properties[index - 1]) > 0)
                return pixelsOf(properties[index - 1]);
        }
    }
    return 0;
}

} // namespace

bool HeifHeader::hasSignature(ByteView bytes)
{
    constexpr std::array<std::string_view, 8> brands = {"heic", "heix", "heim", "heis", "hevc", "hevx", "mif1", "msf1"};
    const std::string_view brand = bytes.text(8, 4);
    return bytes.matches(4, "ftyp") && std::find(brands.begin(), brands.end(), brand) != brands.end();
}

std::optional<HeifHeader> HeifHeader::read(ByteView bytes)
{
    const auto file = boxesIn(bytes);
    if (!hasSignature(bytes) || !file)
        return std::nullopt;
    const auto meta = childrenOfFullBox(find(*file, "meta"));
    const auto item = meta ? primaryItem(find(*meta, "pitm")) : std::nullopt;
    const auto iprp = meta ? childrenOf(find(*meta, "iprp")) : std::nullopt;
    const auto properties = iprp ? childrenOf(find(*iprp, "ipco")) : std::nullopt;
    if (!item || !properties)
        return std::nullopt;
    Boxes ipmas;
    std::copy_if(iprp->begin(), iprp->end(), std::back_inserter(ipmas), [](const Box& box) { return box.type == "ipma"; });
    if (primaryPixels(*properties, ipmas, *item) <= 0)
        return std::nullopt;
    HeifHeader header;
    for (const Box& property : *properties)
        header.largestPixels = std::max(header.largestPixels, pixelsOf(property));
    return header;
}

} // namespace platform::graphics
