#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// Writes whole files so that a reader sees either the old content or the new, never a
// part: the bytes go to a temporary file beside the target, which is then renamed over it.
class AtomicFile {
public:
    enum class TemporaryName {
        // ".<UUID>.tmp": fits beside a target of any name length.
        anonymous,
        // ".<target name>.<UUID>.tmp": for a target with a short name whose owner clears
        // what its own interrupted writes left, and nothing of other writers beside it.
        ofTarget,
    };

    // Creates missing parent folders. Answers false (and leaves the target as it was)
    // when any step fails.
    static bool write(const std::filesystem::path& target, std::string_view bytes,
                      TemporaryName naming = TemporaryName::anonymous);

    // A fresh temporary path beside `target`, for a file or folder that is renamed over
    // the target once whole.
    static std::filesystem::path temporaryPathFor(const std::filesystem::path& target,
                                                  TemporaryName naming = TemporaryName::anonymous);
    // Whether the name is one temporaryPathFor() makes anonymously: what a process ended
    // before its rename leaves behind.
    static bool isTemporaryPath(const std::filesystem::path& path);
    // Whether the path is one temporaryPathFor(target, TemporaryName::ofTarget) makes.
    static bool isTemporaryPathOf(const std::filesystem::path& path, const std::filesystem::path& target);
};

} // namespace platform
