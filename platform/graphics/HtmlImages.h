#pragma once

#include "graphics/Image.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform::graphics {

// The pictures of one HTML page, each decoded once by ImageCodec: data: URIs (base64 or
// percent-encoded) and files in the page's own folder or below it. Nothing is fetched
// from a network, and a path that leaves the folder (absolute, through "..", or a link
// pointing out of it) is not read: a page must not carry other files of the sender's
// into a document that is sent to others. A source that gives no picture answers
// nullptr and draws nothing.
// Thread rule: one page's images are used on one thread.
class HtmlImages {
public:
    // With an empty folder only data: URIs give pictures.
    explicit HtmlImages(std::filesystem::path folder);

    ImagePtr image(const std::string& source);

private:
    ImagePtr load(std::string_view source) const;
    ImagePtr loadFile(std::string_view source) const;

    std::filesystem::path folder_;
    std::unordered_map<std::string, ImagePtr> images_;
};

} // namespace platform::graphics
