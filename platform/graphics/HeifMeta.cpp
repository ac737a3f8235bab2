#include "graphics/HeifMeta.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace platform::graphics {
namespace {

constexpr std::uint64_t fullBoxHeader = 4;

// The one box of the type; null when there is none or more than one.
const IsoBox* single(const IsoBox::List& boxes, std::string_view type)
{
    const auto count = std::count_if(boxes.begin(), boxes.end(), [type](const IsoBox& box) { return box.type == type; });
    return count == 1 ? IsoBox::find(boxes, type) : nullptr;
}

// The 1-based indices into the property container that an "ipma" box gives `item`;
// nothing when the box runs out before its entries do.
std::optional<HeifMeta::Items> propertyIndices(const IsoBox& ipma, std::uint64_t item)
{
    const ByteView body = ipma.body;
    const std::uint64_t idSize = body.bigEndian(0, 1) == 0 ? 2 : 4;
    const std::uint64_t indexSize = (body.bigEndian(1, 3) & 1) ? 2 : 1;
    const std::uint64_t indexMask = indexSize == 2 ? 0x7FFF : 0x7F;
    const std::uint64_t entries = body.bigEndian(fullBoxHeader, 4);
    HeifMeta::Items indices;
    std::uint64_t offset = fullBoxHeader + 4;
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

} // namespace

std::optional<HeifMeta> HeifMeta::read(ByteView file)
{
    const auto boxes = IsoBox::read(file);
    const IsoBox* meta = boxes ? single(*boxes, "meta") : nullptr;
    const auto tables = meta ? meta->children(fullBoxHeader) : std::nullopt;
    if (!tables)
        return std::nullopt;
    constexpr std::array<std::string_view, 4> required = {"pitm", "iinf", "iloc", "iprp"};
    constexpr std::array<std::string_view, 2> optional = {"idat", "iref"};
    const bool tablesSound = std::all_of(required.begin(), required.end(), [&](std::string_view type) { return single(*tables, type); })
        && std::none_of(optional.begin(), optional.end(), [&](std::string_view type) {
               return IsoBox::find(*tables, type) && !single(*tables, type);
           });
    const auto inIprp = tablesSound ? single(*tables, "iprp")->children() : std::nullopt;
    const IsoBox* ipco = inIprp ? single(*inIprp, "ipco") : nullptr;
    const auto properties = ipco ? ipco->children() : std::nullopt;
    if (!properties)
        return std::nullopt;
    HeifMeta result;
    result.file_ = file;
    result.tables_ = *tables;
    result.properties_ = *properties;
    std::copy_if(inIprp->begin(), inIprp->end(), std::back_inserter(result.associations_),
        [](const IsoBox& box) { return box.type == "ipma"; });
    return result;
}

std::optional<std::uint64_t> HeifMeta::primaryItem() const
{
    const ByteView pitm = IsoBox::find(tables_, "pitm")->body;
    const std::uint64_t idSize = pitm.bigEndian(0, 1) == 0 ? 2 : 4;
    if (!pitm.has(fullBoxHeader, idSize))
        return std::nullopt;
    return pitm.bigEndian(fullBoxHeader, idSize);
}

std::string_view HeifMeta::itemType(std::uint64_t item) const
{
    const IsoBox* iinf = IsoBox::find(tables_, "iinf");
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

ByteView HeifMeta::itemData(std::uint64_t item) const
{
    const ByteView body = IsoBox::find(tables_, "iloc")->body;
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
            const IsoBox* idat = IsoBox::find(tables_, "idat");
            const ByteView source = method == 0 ? file_ : method == 1 && idat ? idat->body : ByteView();
            // A length of 0 runs to the end of the source.
            return source.window(start, length == 0 ? UINT64_MAX : length);
        }
        offset += extents * (indexSize + offsetSize + lengthSize);
    }
    return {};
}

std::optional<HeifMeta::Items> HeifMeta::sourcesOf(std::uint64_t item) const
{
    const IsoBox* iref = IsoBox::find(tables_, "iref");
    if (!iref)
        return Items{};
    const std::uint64_t idSize = iref->body.bigEndian(0, 1) == 0 ? 2 : 4;
    const auto references = iref->children(fullBoxHeader);
    if (!references)
        return std::nullopt;
    Items sources;
    for (const IsoBox& reference : *references) {
        const ByteView body = reference.body;
        const std::uint64_t count = body.bigEndian(idSize, 2);
        if (!body.has(idSize + 2, count * idSize))
            return std::nullopt;
        for (std::uint64_t i = 0; reference.type == "dimg" && body.bigEndian(0, idSize) == item && i < count; ++i)
            sources.push_back(body.bigEndian(idSize + 2 + i * idSize, idSize));
    }
    return sources;
}

std::optional<IsoBox::List> HeifMeta::propertiesOf(std::uint64_t item) const
{
    IsoBox::List found;
    for (const IsoBox& ipma : associations_) {
        const auto indices = propertyIndices(ipma, item);
        if (!indices)
            return std::nullopt;
        for (const std::uint64_t index : *indices) {
            // Index 0 stands for no property.
            if (index > properties_.size())
                return std::nullopt;
            if (index > 0)
                found.push_back(properties_[index - 1]);
        }
    }
    return found;
}

} // namespace platform::graphics
