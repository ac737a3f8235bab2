#include "graphics/PdfDocument.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

// Any bytes: a document opens or not; every page of an opened one answers its size and
// the first pages render at a small scale.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::graphics;
    const auto document = PdfDocument::open({data, size});
    if (!document)
        return 0;
    for (int page = 0; page < std::min(document->pageCount(), 4); ++page) {
        document->pageSize(page);
        document->renderPage(page, 0.05);
    }
    return 0;
}
