#include "foundation/Uuid.h"

#include <cstdint>
#include <random>

namespace platform {

std::string makeUuidString()
{
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uint64_t high = generator();
    std::uint64_t low = generator();
    high = (high & 0xFFFFFFFFFFFF0FFFull) | 0x0000000000004000ull;
    low = (low & 0x3FFFFFFFFFFFFFFFull) | 0x8000000000000000ull;
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(36);
    auto appendHex = [&](std::uint64_t value, int nibbles) {
        for (int i = nibbles - 1; i >= 0; --i)
            out += digits[(value >> (4 * i)) & 0xF];
    };
    appendHex(high >> 32, 8);
    out += '-';
    appendHex(high >> 16, 4);
    out += '-';
    appendHex(high, 4);
    out += '-';
    appendHex(low >> 48, 4);
    out += '-';
    appendHex(low, 12);
    return out;
}

} // namespace platform
