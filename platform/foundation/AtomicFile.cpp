#include "foundation/AtomicFile.h"

#include "foundation/Uuid.h"

#include <cstdio>
#include <fstream>

namespace platform {

bool AtomicFile::write(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    // The temporary name does not grow with the target's, so a target whose name is as
    // long as the file system allows can be written too.
    const auto temporary = target.parent_path() / ("." + makeUuidString() + ".tmp");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace platform
