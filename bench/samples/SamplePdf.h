#pragma once

#include <filesystem>
#include <string>

namespace bench_samples {

// Writes an empty letter-size one-page PDF to `path` and answers the path.
std::string writeBlankPagePdf(const std::filesystem::path& path);

} // namespace bench_samples
