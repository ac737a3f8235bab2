#include "foundation/AtomicFile.h"

#include "foundation/Uuid.h"

#include <cstdio>
#include <fstream>

namespace platform {

bool AtomicFile::write(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    std::string temporaryName = target.filename().string();
    temporaryName.append(".").append(makeUuidString()).append(".tmp");
    const auto temporary = target.parent_path() / temporaryName;
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
