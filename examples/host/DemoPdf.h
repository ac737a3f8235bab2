#pragma once

#include <filesystem>
#include <string>

namespace host {

// A one-page letter-size PDF with a coloured band, a heading and lines of grey "text",
// so that a page drawn on a screen can be told apart from an empty one. Answers the path.
std::string writeLetterPdf(const std::filesystem::path& path, const std::string& heading);

} // namespace host
