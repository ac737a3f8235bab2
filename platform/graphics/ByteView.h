#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace platform::graphics {

// A read-only window on file bytes that never reads past its end: a number asked for
// beyond it reads as 0 and a window beyond it is empty, so header readers only have to
// check what they rely on. Callers check `has` before trusting a number.
class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> bytes() const { return bytes_; }
    bool has(std::uint64_t offset, std::uint64_t count) const;
    bool matches(std::uint64_t offset, std::string_view text) const;
    std::string_view text(std::uint64_t offset, std::uint64_t count) const;
    // Unsigned integers of 1 to 8 bytes.
    std::uint64_t bigEndian(std::uint64_t offset, std::uint64_t count) const;
    std::uint64_t littleEndian(std::uint64_t offset, std::uint64_t count) const;
    // The bytes from `offset` on, at most `count` of them.
    ByteView window(std::uint64_t offset, std::uint64_t count = UINT64_MAX) const;

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace platform::graphics
