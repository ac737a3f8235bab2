#include "TiledHeicWriter.h"

#include "graphics/IsoBox.h"

#include <algorithm>
#include <string_view>

namespace {

using Bytes = TiledHeicWriter::Bytes;
using platform::graphics::ByteView;
using platform::graphics::IsoBox;

void append(Bytes& out, std::uint64_t value, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void append(Bytes& out, std::string_view text)
{
    for (const char c : text)
        out.push_back(static_cast<std::uint8_t>(c));
}

void append(Bytes& out, std::span<const std::uint8_t> more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// A box is sized once and filled, rather than grown: GCC 12 misreads growing small
// vectors as overflows.
Bytes box(std::string_view type, std::span<const std::uint8_t> body)
{
    const std::uint64_t size = 8 + body.size();
    Bytes out(size);
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(size >> (24 - 8 * i));
    std::copy(type.begin(), type.end(), out.begin() + 4);
    std::copy(body.begin(), body.end(), out.begin() + 8);
    return out;
}

Bytes fullBox(std::string_view type, int version, int flags, std::span<const std::uint8_t> body)
{
    Bytes inner(4 + body.size());
    inner[0] = static_cast<std::uint8_t>(version);
    for (int i = 1; i < 4; ++i)
        inner[i] = static_cast<std::uint8_t>(flags >> (24 - 8 * i));
    std::copy(body.begin(), body.end(), inner.begin() + 4);
    return box(type, inner);
}

struct Tile {
    Bytes configuration;
    Bytes data;
};

// The decoder configuration and coded picture of a one-image HEIC whose "iloc" names
// one item with one extent in the file, as ImageMagick writes them.
std::optional<Tile> readTile(const Bytes& file)
{
    const auto boxes = IsoBox::read(ByteView(file));
    const IsoBox* meta = boxes ? IsoBox::find(*boxes, "meta") : nullptr;
    const auto inMeta = meta ? meta->children(4) : std::nullopt;
    const IsoBox* iprp = inMeta ? IsoBox::find(*inMeta, "iprp") : nullptr;
    const auto properties = iprp ? iprp->children() : std::nullopt;
    const IsoBox* ipco = properties ? IsoBox::find(*properties, "ipco") : nullptr;
    const auto inIpco = ipco ? ipco->children() : std::nullopt;
    const IsoBox* hvcC = inIpco ? IsoBox::find(*inIpco, "hvcC") : nullptr;
    const IsoBox* iloc = inMeta ? IsoBox::find(*inMeta, "iloc") : nullptr;
    // Version 0 with 4-byte offsets, lengths and base offset; one item of one extent.
    const ByteView locations = iloc ? iloc->body : ByteView();
    if (!hvcC || locations.bigEndian(0, 1) != 0 || locations.bigEndian(4, 2) != 0x4440 || locations.bigEndian(6, 2) != 1
        || locations.bigEndian(16, 2) != 1)
        return std::nullopt;
    const ByteView data = ByteView(file).window(locations.bigEndian(12, 4) + locations.bigEndian(18, 4), locations.bigEndian(22, 4));
    return Tile{Bytes(hvcC->body.bytes().begin(), hvcC->body.bytes().end()), Bytes(data.bytes().begin(), data.bytes().end())};
}

Bytes imageSize(int width, int height)
{
    Bytes size;
    append(size, width, 4);
    append(size, height, 4);
    return fullBox("ispe", 0, 0, size);
}

Bytes itemInfo(std::uint32_t tiles)
{
    Bytes entries;
    append(entries, tiles + 1, 2);
    for (std::uint32_t id = 1; id <= tiles + 1; ++id) {
        Bytes entry;
        append(entry, id, 2);
        append(entry, 0, 2);
        append(entry, id <= tiles ? "hvc1" : "grid");
        append(entry, 0, 1);
        const int hidden = id <= tiles ? 1 : 0;
        append(entries, fullBox("infe", 2, hidden, entry));
    }
    return fullBox("iinf", 0, 0, entries);
}

Bytes gridReferences(std::uint32_t tiles)
{
    Bytes references;
    append(references, tiles + 1, 2);
    append(references, tiles, 2);
    for (std::uint32_t id = 1; id <= tiles; ++id)
        append(references, id, 2);
    return fullBox("iref", 0, 0, box("dimg", references));
}

// Each tile gets its own decoder configuration and the shared tile size; the grid gets
// the photo's size.
Bytes properties(const std::vector<Tile>& tiles, int tileWidth, int tileHeight, int width, int height)
{
    const auto count = static_cast<std::uint32_t>(tiles.size());
    Bytes container;
    for (const Tile& tile : tiles)
        append(container, box("hvcC", tile.configuration));
    append(container, imageSize(tileWidth, tileHeight));
    append(container, imageSize(width, height));
    Bytes associations;
    append(associations, count + 1, 4);
    for (std::uint32_t id = 1; id <= count; ++id) {
        append(associations, id, 2);
        append(associations, 2, 1);
        append(associations, 0x80 | id, 1);
        append(associations, count + 1, 1);
    }
    append(associations, count + 1, 2);
    append(associations, 1, 1);
    append(associations, count + 2, 1);
    Bytes iprp = box("ipco", container);
    append(iprp, fullBox("ipma", 0, 0, associations));
    return box("iprp", iprp);
}

// Tile data lie in "mdat" from `dataStart` on; the grid's description is in "idat".
Bytes locations(const std::vector<Tile>& tiles, std::uint64_t dataStart)
{
    const auto count = static_cast<std::uint32_t>(tiles.size());
    // Offsets and lengths of 4 bytes, no base offset.
    Bytes body;
    append(body, 0x4400, 2);
    append(body, count + 1, 2);
    auto item = [&body](std::uint32_t id, int constructionMethod, std::uint64_t offset, std::uint64_t length) {
        append(body, id, 2);
        append(body, constructionMethod, 2);
        append(body, 0, 2);
        append(body, 1, 2);
        append(body, offset, 4);
        append(body, length, 4);
    };
    for (std::uint32_t id = 1; id <= count; ++id) {
        item(id, 0, dataStart, tiles[id - 1].data.size());
        dataStart += tiles[id - 1].data.size();
    }
    item(count + 1, 1, 0, 8);
    return fullBox("iloc", 1, 0, body);
}

Bytes metadata(const std::vector<Tile>& tiles, int columns, int tileWidth, int tileHeight, int width, int height,
    std::uint64_t dataStart)
{
    const auto count = static_cast<std::uint32_t>(tiles.size());
    Bytes handler;
    append(handler, 0, 4);
    append(handler, "pict");
    append(handler, 0, 13);
    Bytes primary;
    append(primary, count + 1, 2);
    // Version 0 with 2-byte sizes.
    Bytes grid;
    append(grid, 0, 2);
    append(grid, count / columns - 1, 1);
    append(grid, columns - 1, 1);
    append(grid, width, 2);
    append(grid, height, 2);
    Bytes body = fullBox("hdlr", 0, 0, handler);
    append(body, fullBox("pitm", 0, 0, primary));
    append(body, locations(tiles, dataStart));
    append(body, itemInfo(count));
    append(body, gridReferences(count));
    append(body, properties(tiles, tileWidth, tileHeight, width, height));
    append(body, box("idat", grid));
    return fullBox("meta", 0, 0, body);
}

} // namespace

std::optional<TiledHeicWriter::Bytes> TiledHeicWriter::write(const std::vector<Bytes>& files, int columns, int tileWidth,
    int tileHeight, int width, int height)
{
    std::vector<Tile> tiles;
    for (const Bytes& file : files) {
        auto tile = readTile(file);
        if (!tile)
            return std::nullopt;
        tiles.push_back(std::move(*tile));
    }
    // Property indices are written in 7 bits.
    if (tiles.empty() || tiles.size() + 2 > 127 || tiles.size() % columns != 0)
        return std::nullopt;
    Bytes brands;
    append(brands, "heic");
    append(brands, 0, 4);
    append(brands, "mif1heic");
    Bytes file = box("ftyp", brands);
    const std::uint64_t metaSize = metadata(tiles, columns, tileWidth, tileHeight, width, height, 0).size();
    append(file, metadata(tiles, columns, tileWidth, tileHeight, width, height, file.size() + metaSize + 8));
    Bytes data;
    for (const Tile& tile : tiles)
        append(data, tile.data);
    append(file, box("mdat", data));
    return file;
}
