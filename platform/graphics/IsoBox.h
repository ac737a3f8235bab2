#pragma once

#include "graphics/ByteView.h"

#include <optional>
#include <string_view>
#include <vector>

namespace platform::graphics {

// One box of an ISO base media file (HEIF, MP4): a four-letter type and a body, which
// in container boxes holds further boxes.
class IsoBox {
public:
    using List = std::vector<IsoBox>;

    // The boxes laid one after another in `area`; nothing when one runs past its end.
    static std::optional<List> read(ByteView area);
    static const IsoBox* find(const List& boxes, std::string_view type);

    // The boxes in the body after its first `skip` bytes (4 for the version and flags of
    // a full box); nothing when the body is shorter or a box runs past its end.
    std::optional<List> children(std::uint64_t skip = 0) const;

    std::string_view type;
    ByteView body;
};

} // namespace platform::graphics
