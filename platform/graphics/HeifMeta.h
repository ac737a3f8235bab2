#pragma once

#include "graphics/ByteView.h"
#include "graphics/IsoBox.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform::graphics {

// The item tables in the "meta" box of a HEIF file: which item is the primary one, each
// item's type, where its data lie, which items a derived image is made from and which
// properties each item has. It views the file's bytes, which must outlive it.
class HeifMeta {
public:
    using Items = std::vector<std::uint64_t>;

    // Nothing when the file has no "meta" box, when one of its tables is missing or
    // appears twice (decoders differ on which one counts), or when a box runs past the
    // box holding it.
    static std::optional<HeifMeta> read(ByteView file);

    std::optional<std::uint64_t> primaryItem() const;
    // Empty when no entry describes an image item of that number.
    std::string_view itemType(std::uint64_t item) const;
    // Where the first extent of its data lies, in the file or in "idat"; empty when it
    // has none or the place lies outside.
    ByteView itemData(std::uint64_t item) const;
    // The items a derived image (grid, overlay, identity) is made from; nothing when the
    // reference table runs out.
    std::optional<Items> sourcesOf(std::uint64_t item) const;
    // The property boxes associated with the item; nothing when an association table
    // runs out or names a property that is not there.
    std::optional<IsoBox::List> propertiesOf(std::uint64_t item) const;
    const IsoBox::List& properties() const { return properties_; }

private:
    ByteView file_;
    IsoBox::List tables_;
    IsoBox::List properties_;
    IsoBox::List associations_;
};

} // namespace platform::graphics
