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

// "." then the prefix (empty or the target's name and "."), a UUID and the suffix.
bool isTemporaryName(std::string_view name, std::string_view prefix)
{
    const auto uuidStart = 1 + prefix.size();
    return name.size() == uuidStart + kUuidLength + kSuffix.size() && name.front() == '.' &&
           name.substr(1, prefix.size()) == prefix && name.ends_with(kSuffix) &&
           isUuidText(name.substr(uuidStart, kUuidLength));
}

std::string targetPrefix(const std::filesystem::path& target)
{
    return target.filename().string() + ".";
}

} // namespace

// The anonymous name does not grow with the target's, so a target whose name is as long
// as the file system allows can be written too.
std::filesystem::path AtomicFile::temporaryPathFor(const std::filesystem::path& target, TemporaryName naming)
{
    std::string name = ".";
    if (naming == TemporaryName::ofTarget) {
        name.append(targetPrefix(target));
    }
    name.append(makeUuidString()).append(kSuffix);
    return target.parent_path() / name;
}

bool AtomicFile::isTemporaryPath(const std::filesystem::path& path)
{
    return isTemporaryName(path.filename().string(), {});
}

bool AtomicFile::isTemporaryPathOf(const std::filesystem::path& path, const std::filesystem::path& target)
{
    return path.parent_path() == target.parent_path() &&
           isTemporaryName(path.filename().string(), targetPrefix(target));
}

bool AtomicFile::write(const std::filesystem::path& target, std::string_view bytes, TemporaryName naming)
{
    std::error_code error;
    std::filesystem::create_directories(target.parent_path(), error);
    const auto temporary = temporaryPathFor(target, naming);
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
