#include "store/ZKFileManager.h"

#include "foundation/AtomicFile.h"
#include "foundation/BackgroundWork.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "foundation/Text.h"
#include "graphics/DocumentConverter.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr const char* kTemporaryFolderName = "CorvexTMPFolder";

// One path component that stays inside its folder and shows as what it is: NUL and the
// bidirectional controls are dropped, separators become "_", and a name that is then
// empty, "." or ".." becomes "_".
std::string safeComponent(const std::string& name)
{
    auto safe = platform::text::removingNulAndBidiControls(name);
    std::replace(safe.begin(), safe.end(), '/', '_');
    std::replace(safe.begin(), safe.end(), '\\', '_');
    if (safe.empty() || safe == "." || safe == "..") {
        return "_";
    }
    return safe;
}

// An extension that is empty (or nothing once made safe) is no extension.
std::optional<std::string> safeExtension(const std::optional<std::string>& extension)
{
    if (!extension || platform::text::removingNulAndBidiControls(*extension).empty()) {
        return std::nullopt;
    }
    return safeComponent(*extension);
}

bool hasParentReference(const std::filesystem::path& path)
{
    return std::any_of(path.begin(), path.end(), [](const auto& part) { return part == ".."; });
}

std::string fileName(const std::string& base, const std::optional<std::string>& extension, int number)
{
    auto name = number == 0 ? base : base + "(" + std::to_string(number) + ")";
    if (extension) {
        name += "." + *extension;
    }
    return name;
}

} // namespace

std::shared_ptr<ZKFileManager> ZKFileManager::sharedInstance()
{
    return platform::SharedInstance<ZKFileManager>::get();
}

ZKFileManager::ZKFileManager()
{
    std::error_code ignored;
    std::filesystem::remove_all(preferencesFolderPath() / kTemporaryFolderName, ignored);
}

void ZKFileManager::setCurrentTransactionIdProvider(CurrentTransactionIdProvider provider)
{
    currentTransactionId_ = std::move(provider);
}

std::filesystem::path ZKFileManager::preferencesFolderPath()
{
    return platform::Environment::preferencesDirectory();
}

std::string ZKFileManager::folderPathForTransactionWithGUID(const std::string& guid)
{
    return (preferencesFolderPath() / safeComponent(guid)).string();
}

std::string ZKFileManager::temporaryFolderPath() const
{
    auto folder = preferencesFolderPath() / kTemporaryFolderName;
    const auto transactionId = currentTransactionId_ ? currentTransactionId_() : std::nullopt;
    if (transactionId && !transactionId->empty()) {
        folder /= safeComponent(*transactionId);
    }
    return folder.string();
}

std::optional<std::string> ZKFileManager::createEmptyTemporaryFolder() const
{
    const auto folder = temporaryFolderPath();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error || !std::filesystem::is_directory(folder, error)) {
        return std::nullopt;
    }
    return folder;
}

void ZKFileManager::removeTemporaryFolder() const
{
    std::error_code ignored;
    std::filesystem::remove_all(temporaryFolderPath(), ignored);
}

bool ZKFileManager::isTemporaryCopy(const std::filesystem::path& path)
{
    const auto folder = preferencesFolderPath() / kTemporaryFolderName;
    const auto relative = path.lexically_normal().lexically_relative(folder);
    return !relative.empty() && !hasParentReference(relative) && relative != ".";
}

void ZKFileManager::removeTemporaryCopy(const std::filesystem::path& path)
{
    if (!isTemporaryCopy(path)) {
        return;
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

std::string ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(const std::string& folder,
                                                                            const std::string& name,
                                                                            const std::optional<std::string>& extension,
                                                                            int number)
{
    const auto base = safeComponent(name);
    const auto suffix = safeExtension(extension);
    std::error_code error;
    for (int candidate = std::max(number, 0);; ++candidate) {
        const auto path = std::filesystem::path(folder) / fileName(base, suffix, candidate);
        if (!std::filesystem::exists(path, error)) {
            return path.string();
        }
    }
}

std::optional<std::string> ZKFileManager::storeAtPathFileWithNameAndData(const std::string& path,
                                                                         const std::optional<std::string>&,
                                                                         const Bytes& data)
{
    if (path.empty() || hasParentReference(path)) {
        return std::nullopt;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
    if (!platform::AtomicFile::write(path, bytes)) {
        return std::nullopt;
    }
    return path;
}

namespace {

std::string lowercased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The name up to its last "." (the whole name when it has none), and what follows.
std::pair<std::string, std::string> splitExtension(const std::string& fileName)
{
    const auto dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        return {fileName, {}};
    }
    return {fileName.substr(0, dot), fileName.substr(dot + 1)};
}

// The first free "<base>(n).pdf" of the folder, claimed at once by an empty file: a
// conversion still running holds its name, so a later file of the same base name (or a
// PDF stored meanwhile) never gets it and is never overwritten by it.
std::optional<std::string> reservePdfName(const std::string& folder, const std::string& base)
{
    const auto path = ZKFileManager::getGoodNameForFileWithPathNameExtentionAndNumber(folder, base, "pdf", 0);
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) {
        return std::nullopt;
    }
    std::fclose(file);
    return path;
}

} // namespace

void ZKFileManager::convertToPDFDataAndSizeCompletion(const std::string& fileName, const Bytes& data,
                                                      const platform::graphics::Size& size,
                                                      ConversionCompletion completion) const
{
    const auto [base, extension] = splitExtension(fileName);
    if (lowercased(extension) == "pdf") {
        return;
    }
    const auto folder = createEmptyTemporaryFolder();
    const auto reserved = folder && platform::graphics::DocumentConverter::canConvert(fileName)
                              ? reservePdfName(*folder, base)
                              : std::nullopt;
    if (!reserved) {
        platform::RunLoop::main().dispatchAsync([completion] { completion(std::nullopt); });
        return;
    }
    // Converting a long document takes a while: it runs on a thread of its own and the
    // answer comes back on the main thread.
    platform::BackgroundWork::start([fileName, data, size, destination = *reserved, completion = std::move(completion)] {
        const bool converted = platform::graphics::DocumentConverter::writePdf(fileName, data, size, destination);
        if (!converted) {
            std::error_code ignored;
            std::filesystem::remove(destination, ignored);
        }
        platform::RunLoop::main().dispatchAsync([converted, destination, completion] {
            completion(converted ? std::optional<Dictionary>(Dictionary{{"localPath", destination}}) : std::nullopt);
        });
    });
}
