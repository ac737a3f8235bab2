#include "graphics/HeifHeader.h"

#include "graphics/IsoBox.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

namespace platform::graphics {
namespace {

using Boxes = IsoBox::List;

constexpr std::uint64_t fullBoxHeader = 4;

std::optional<Boxes> childrenOf(const IsoBox* box, std::uint64_t skip = 0)
{
    return box ? box->children(skip) : std::nullopt;
}

std::optional<std::uint64_t> primaryItem(const IsoBox* pitm)
{
    if (!pitm)
        return std::nullopt;
    const std::uint64_t idSize = pitm->body.bigEndian(0, 1) == 0 ? 2 : 4;
    if (!pitm->body.has(fullBoxHeader, idSize))
        return std::nullopt;
    return pitm->body.bigEndian(fullBoxHeader, idSize);
}

double pixelsOf(const IsoBox& ispe)
{
    if (ispe.type != "ispe" || !ispe.body.has(fullBoxHeader, 8))
        return 0;
    return static_cast<double>(ispe.body.bigEndian(fullBoxHeader, 4)) * static_cast<double>(ispe.body.bigEndian(fullBoxHeader + 4, 4));
}

// The 1-based indices into the property container that an "ipma" box gives `item`;
// nothing when the box runs out before its entries do.
std::optional<std::vector<std::uint64_t>> propertiesOf(const IsoBox& ipma, std::uint64_t item)
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
    for (const IsoBox& ipma : ipmas) {
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

// The type "iinf" names for `item`; empty when it lists no image item of that number.
std::string_view itemType(const IsoBox* iinf, std::uint64_t item)
{
    if (!iinf)
        return {};
    const std::uint64_t countSize = iinf->body.bigEndian(0, 1) == 0 ? 2 : 4;
    const auto entries = iinf->children(fullBoxHeader + countSize);
    if (!entries)
        return {};
    for (const IsoBox& infe : *entries) {
        // Entries before version 2 describe no image items.
        const std::uint64_t version = infe.body.bigEndian(0, 1);
        const std::uint64_t idSize = version == 2 ? 2 : 4;
        if (infe.type == "infe" && version >= 2 && infe.body.bigEndian(fullBoxHeader, idSize) == item)
            return infe.body.text(fullBoxHeader + idSize + 2, 4);
    }
    return {};
}

// The data of `item` where "iloc" places its first extent: in the file or in "idat".
// Empty when it has none or they lie outside.
ByteView itemData(const IsoBox* iloc, const IsoBox* idat, ByteView file, std::uint64_t item)
{
    const ByteView body = iloc ? iloc->body : ByteView();
    const std::uint64_t version = body.bigEndian(0, 1);
    const std::uint64_t offsetSize = body.bigEndian(4, 1) >> 4;
    const std::uint64_t lengthSize = body.bigEndian(4, 1) & 0xF;
    const std::uint64_t baseSize = body.bigEndian(5, 1) >> 4;
    const std::uint64_t indexSize = version >= 1 ? body.bigEndian(5, 1) & 0xF : 0;
    const std::uint64_t idSize = version < 2 ? 2 : 4;
    const std::uint64_t methodSize = version == 1 || version == 2 ? 2 : 0;
    const std::uint64_t items = body.bigEndian(6, idSize);
    std::uint64_t offset = 6 + idSize;
    for (std::uint64_t i = 0; i < items && body.has(offset, idSize + methodSize + 2 + baseSize + 2); ++i) {
        const std::uint64_t id = body.bigEndian(offset, idSize);
        const std::uint64_t method = body.bigEndian(offset + idSize, methodSize) & 0xF;
        offset += idSize + methodSize + 2;
        const std::uint64_t base = body.bigEndian(offset, baseSize);
        const std::uint64_t extents = body.bigEndian(offset + baseSize, 2);
        offset += baseSize + 2;
        if (id == item && extents > 0) {
            const std::uint64_t start = base + body.bigEndian(offset + indexSize, offsetSize);
            const std::uint64_t length = body.bigEndian(offset + indexSize + offsetSize, lengthSize);
            const ByteView source = method == 0 ? file : method == 1 && idat ? idat->body : ByteView();
            // A length of 0 runs to the end of the source.
            return source.window(start, length == 0 ? UINT64_MAX : length);
        }
        offset += extents * (indexSize + offsetSize + lengthSize);
    }
    return {};
}

// The size a derived image (a "grid" of tiles, an "iovl" overlay) names in its data for
// the picture it makes; the decoder allocates that picture whatever "ispe" says.
std::optional<double> derivedPixels(std::string_view type, ByteView data)
{
    const std::uint64_t fieldSize = (data.bigEndian(1, 1) & 1) ? 4 : 2;
    const std::uint64_t sizeOffset = type == "grid" ? 4 : 10;
    if (!data.has(sizeOffset, 2 * fieldSize))
        return std::nullopt;
    return static_cast<double>(data.bigEndian(sizeOffset, fieldSize)) * static_cast<double>(data.bigEndian(sizeOffset + fieldSize, fieldSize));
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
    const auto file = IsoBox::read(bytes);
    if (!hasSignature(bytes) || !file)
        return std::nullopt;
    const auto meta = childrenOf(IsoBox::find(*file, "meta"), fullBoxHeader);
    const auto item = meta ? primaryItem(IsoBox::find(*meta, "pitm")) : std::nullopt;
    const auto iprp = meta ? childrenOf(IsoBox::find(*meta, "iprp")) : std::nullopt;
    const auto properties = iprp ? childrenOf(IsoBox::find(*iprp, "ipco")) : std::nullopt;
    if (!item || !properties)
        return std::nullopt;
    Boxes ipmas;
    std::copy_if(iprp->begin(), iprp->end(), std::back_inserter(ipmas), [](const IsoBox& box) { return box.type == "ipma"; });
    if (primaryPixels(*properties, ipmas, *item) <= 0)
        return std::nullopt;
    HeifHeader header;
    for (const IsoBox& property : *properties)
        header.largestPixels = std::max(header.largestPixels, pixelsOf(property));
    const std::string_view type = itemType(IsoBox::find(*meta, "iinf"), *item);
    if (type != "grid" && type != "iovl")
        return header;
    const auto output = derivedPixels(type, itemData(IsoBox::find(*meta, "iloc"), IsoBox::find(*meta, "idat"), bytes, *item));
    if (!output)
        return std::nullopt;
    header.largestPixels = std::max(header.largestPixels, *output);
    return header;
}

} // namespace platform::graphics
