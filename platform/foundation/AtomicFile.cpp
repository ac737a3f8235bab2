#include "foundation/AtomicFile.h"

#include "foundation/Uuid.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace platform {

namespace {

constexpr std::string_view kSuffix = ".tmp";
constexpr std::size_t kUuidLength = 36;

bool isUuidText(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const char c = text[i];
        if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
            return false;
    }
    return text.size() == kUuidLength;
}

} // namespace

std::filesystem::path AtomicFile::temporaryPathFor(const std::filesystem::path& target)
{
    std::string name = target.filename().string();
    name.append(".").append(makeUuidString()).append(kSuffix);
    return target.parent_path() / name;
}

bool AtomicFile::isTemporaryPath(const std::filesystem::path& path)
{
    const auto name = path.filename().string();
    const auto uuidStart = name.size() - std::min(name.size(), kSuffix.size() + kUuidLength);
    // At least one character of the target's name, then ".<UUID>.tmp".
    return uuidStart >= 2 && name[uuidStart - 1] == '.' && name.ends_with(kSuffix) &&
           isUuidText(std::string_view(name).substr(uuidStart, kUuidLength));
}

bool AtomicFile::write(const std::filesystem::path& target, std::string_view bytes)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    const auto temporary = temporaryPathFor(target);
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
