#include "graphics/ByteView.h"

#include <algorithm>
#include <cstring>

namespace platform::graphics {

bool ByteView::has(std::uint64_t offset, std::uint64_t count) const
{
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
}

bool ByteView::matches(std::uint64_t offset, std::string_view text) const
{
    return has(offset, text.size()) && std::memcmp(bytes_.data() + offset, text.data(), text.size()) == 0;
}

std::string_view ByteView::text(std::uint64_t offset, std::uint64_t count) const
{
    if (!has(offset, count))
        return {};
    return {reinterpret_cast<const char*>(bytes_.data() + offset), count};
}

std::uint64_t ByteView::bigEndian(std::uint64_t offset, std::uint64_t count) const
{
    if (count > 8 || !has(offset, count))
        return 0;
    std::uint64_t value = 0;
    for (std::uint64_t i = 0; i < count; ++i)
        value = value << 8 | bytes_[offset + i];
    return value;
}

std::uint64_t ByteView::littleEndian(std::uint64_t offset, std::uint64_t count) const
{
    if (count > 8 || !has(offset, count))
        return 0;
    std::uint64_t value = 0;
    for (std::uint64_t i = count; i > 0; --i)
        value = value << 8 | bytes_[offset + i - 1];
    return value;
}

ByteView ByteView::window(std::uint64_t offset, std::uint64_t count) const
{
    if (offset >= bytes_.size())
        return {};
    return ByteView(bytes_.subspan(offset, std::min<std::uint64_t>(count, bytes_.size() - offset)));
}

} // namespace platform::graphics
