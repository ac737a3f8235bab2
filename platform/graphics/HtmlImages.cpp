#include "graphics/HtmlImages.h"

#include "graphics/ImageCodec.h"

#include "foundation/Base64.h"
#include "foundation/Text.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace platform::graphics {
namespace {

std::vector<std::uint8_t> bytesOf(std::string_view text)
{
    return {text.begin(), text.end()};
}

// data:[<media type>][;base64],<data>
std::optional<std::vector<std::uint8_t>> dataUriBytes(std::string_view uri)
{
    const std::size_t comma = uri.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::string header = text::toLower(uri.substr(0, comma));
    const std::string_view data = uri.substr(comma + 1);
    if (header.ends_with(";base64"))
        return Base64::decode(text::decodeHexEscapes(data, '%'));
    return bytesOf(text::decodeHexEscapes(data, '%'));
}

bool hasScheme(std::string_view source)
{
    const std::size_t colon = source.find(':');
    return colon != std::string_view::npos && source.find_first_of("/?#") > colon;
}

bool isWithin(const std::filesystem::path& path, const std::filesystem::path& folder)
{
    const auto [folderEnd, pathIt] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
    return folderEnd == folder.end();
}

} // namespace

HtmlImages::HtmlImages(std::filesystem::path folder)
    : folder_(std::move(folder))
{
}

ImagePtr HtmlImages::image(const std::string& source)
{
    const auto known = images_.find(source);
    if (known != images_.end())
        return known->second;
    ImagePtr image = load(source);
    images_.emplace(source, image);
    return image;
}

ImagePtr HtmlImages::load(std::string_view source) const
{
    if (text::toLower(source.substr(0, 5)) == "data:") {
        const auto bytes = dataUriBytes(source.substr(5));
        return bytes ? ImageCodec::decode(*bytes) : nullptr;
    }
    if (hasScheme(source) || source.starts_with('/') || source.starts_with('\\'))
        return nullptr;
    return loadFile(source.substr(0, source.find_first_of("?#")));
}

ImagePtr HtmlImages::loadFile(std::string_view source) const
{
    if (folder_.empty() || source.empty())
        return nullptr;
    std::error_code error;
    const auto folder = std::filesystem::canonical(folder_, error);
    if (error)
        return nullptr;
    const auto path = std::filesystem::weakly_canonical(folder / text::decodeHexEscapes(source, '%'), error);
    if (error || !isWithin(path, folder) || !std::filesystem::is_regular_file(path, error))
        return nullptr;
    std::ifstream stream(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    return ImageCodec::decode(bytes);
}

} // namespace platform::graphics
