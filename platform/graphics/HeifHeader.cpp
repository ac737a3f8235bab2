#include "graphics/HeifHeader.h"

#include "graphics/HeifMeta.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace platform::graphics {
namespace {

double pixelsOf(const IsoBox& property)
{
    constexpr std::uint64_t fullBoxHeader = 4;
    if (property.type != "ispe" || !property.body.has(fullBoxHeader, 8))
        return 0;
    return static_cast<double>(property.body.bigEndian(fullBoxHeader, 4))
        * static_cast<double>(property.body.bigEndian(fullBoxHeader + 4, 4));
}

// What the item's "ispe" property declares; 0 when it has none.
double declaredPixels(const HeifMeta& meta, std::uint64_t item)
{
    const auto properties = meta.propertiesOf(item);
    if (!properties)
        return 0;
    const auto size = std::find_if(properties->begin(), properties->end(), [](const IsoBox& box) { return pixelsOf(box) > 0; });
    return size == properties->end() ? 0 : pixelsOf(*size);
}

// A HEVC picture, or an image derived from HEVC pictures only. The decoder takes what a
// derived image names for an image without checking and stops the whole program when it
// is none (a failed assertion); nested derived images are refused for the same reason.
bool isHevcPicture(const HeifMeta& meta, std::uint64_t item)
{
    constexpr std::array<std::string_view, 3> derivedTypes = {"grid", "iovl", "iden"};
    const std::string_view type = meta.itemType(item);
    if (type == "hvc1")
        return true;
    if (std::find(derivedTypes.begin(), derivedTypes.end(), type) == derivedTypes.end())
        return false;
    const auto sources = meta.sourcesOf(item);
    return sources && !sources->empty()
        && std::all_of(sources->begin(), sources->end(), [&meta](std::uint64_t source) { return meta.itemType(source) == "hvc1"; });
}

// The size a grid of tiles or an overlay names in its data for the picture it makes;
// the decoder allocates that picture whatever "ispe" says. Nothing when the data are
// missing.
std::optional<double> outputPixels(const HeifMeta& meta, std::uint64_t item)
{
    const std::string_view type = meta.itemType(item);
    if (type != "grid" && type != "iovl")
        return 0;
    const ByteView data = meta.itemData(item);
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
    const auto meta = hasSignature(bytes) ? HeifMeta::read(bytes) : std::nullopt;
    const auto item = meta ? meta->primaryItem() : std::nullopt;
    if (!item || declaredPixels(*meta, *item) <= 0 || !isHevcPicture(*meta, *item))
        return std::nullopt;
    const auto output = outputPixels(*meta, *item);
    if (!output)
        return std::nullopt;
    HeifHeader header{*output};
    for (const IsoBox& property : meta->properties())
        header.largestPixels = std::max(header.largestPixels, pixelsOf(property));
    return header;
}

} // namespace platform::graphics
