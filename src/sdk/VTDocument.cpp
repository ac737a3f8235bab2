#include "sdk/VTDocument.h"

#include "foundation/Text.h"

#include <algorithm>
#include <fstream>
#include <string_view>

namespace {

// PDF readers accept the header anywhere in the first kilobyte.
bool looksLikePdf(const std::vector<std::uint8_t>& bytes)
{
    constexpr std::string_view kHeader = "%PDF-";
    const auto end = bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(bytes.size(), 1024));
    return std::search(bytes.begin(), end, kHeader.begin(), kHeader.end()) != end;
}

} // namespace

VTDocument::VTDocument(const std::optional<std::string>& name, const std::optional<std::string>& path)
    : name_(platform::text::removingNulAndBidiControls(name.value_or(std::string())))
    , pdfPath_(path.value_or(std::string()))
{
}

void VTDocument::setName(std::string_view value)
{
    name_ = platform::text::removingNulAndBidiControls(value);
}

std::shared_ptr<VTDocument> VTDocument::initWithNameAndPath(const std::optional<std::string>& name,
                                                            const std::optional<std::string>& path)
{
    return std::make_shared<VTDocument>(name, path);
}

std::vector<std::uint8_t> VTDocument::data() const
{
    if (pdfPath_.empty()) {
        return {};
    }
    std::ifstream file(pdfPath_, std::ios::binary);
    if (!file) {
        return {};
    }
    // Read in blocks: a document is read whole each time the transaction is stored.
    constexpr std::size_t blockSize = 1 << 16;
    std::vector<std::uint8_t> bytes;
    while (file) {
        const std::size_t filled = bytes.size();
        bytes.resize(filled + blockSize);
        file.read(reinterpret_cast<char*>(bytes.data() + filled), blockSize);
        bytes.resize(filled + static_cast<std::size_t>(file.gcount()));
    }
    if (!file.eof()) {
        return {};
    }
    return looksLikePdf(bytes) ? bytes : std::vector<std::uint8_t>();
}
