#include "FontCacheSuppression.h"
#include "graphics/DocumentConverter.h"

#include <cstddef>
#include <cstdint>

// Any bytes named as this kind of document: a whole PDF or nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    platform::graphics::DocumentConverter::convertToPdf("page.html", {data, size}, {300, 400});
    return 0;
}
