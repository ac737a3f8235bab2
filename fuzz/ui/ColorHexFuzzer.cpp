// Colours may be given as hexadecimal text from outside; parsing must reject or accept
// without reading out of bounds, and accepted colours print back to the same digits.
#include "graphics/Color.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto color = platform::graphics::Color::fromHex(input);
    if (color && platform::graphics::Color::fromHex(color->hexString())->hexString() != color->hexString()) {
        std::abort();
    }
    return 0;
}
