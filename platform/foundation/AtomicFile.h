#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Writes whole files so that a reader sees either the old content or the new, never a
// part: the bytes go to a temporary file beside the target, which is then renamed over it.
class AtomicFile {
public:
    // Creates missing parent folders. Answers false (and leaves the target as it was)
    // when any step fails.
    static bool write(const std::filesystem::path& target, std::string_view bytes);

    // A fresh temporary path beside `target` (".<UUID>.tmp"), for a file or folder
    // that is renamed over the target once whole.
    static std::filesystem::path temporaryPathFor(const std::filesystem::path& target);
    // Whether the name is one temporaryPathFor() makes: what a process ended before its
    // rename leaves behind.
    static bool isTemporaryPath(const std::filesystem::path& path);
};

} // namespace platform
