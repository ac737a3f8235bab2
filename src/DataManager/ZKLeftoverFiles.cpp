#include "DataManager/ZKLeftoverFiles.h"

#include "DataManager/ZKTransactionRetrieval.h"
#include "foundation/AtomicFile.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>

namespace {

namespace fs = std::filesystem;

bool isPdf(const fs::path& path)
{
    auto extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".pdf";
}

void removeTemporaryFiles(const fs::path& preferences)
{
    std::error_code code;
    std::vector<fs::path> leftovers;
    const fs::recursive_directory_iterator end;
    for (auto entry = fs::recursive_directory_iterator(preferences, code); !code && entry != end; entry.increment(code)) {
        if (platform::AtomicFile::isTemporaryPath(entry->path())) {
            leftovers.push_back(entry->path());
            entry.disable_recursion_pending();
        }
    }
    for (const auto& leftover : leftovers) {
        fs::remove_all(leftover, code);
    }
}

void removeUnreferencedPdfs(const fs::path& folder, const std::set<fs::path>& referenced)
{
    std::error_code code;
    bool removed = false;
    for (const auto& entry : fs::directory_iterator(folder, code)) {
        if (entry.is_regular_file(code) && isPdf(entry.path()) && !referenced.contains(entry.path())) {
            removed = fs::remove(entry.path(), code) || removed;
        }
    }
    if (removed && fs::is_empty(folder, code)) {
        fs::remove(folder, code);
    }
}

} // namespace

void ZKLeftoverFiles::removeUnreferencedBy(ZKCoreDataManager& store)
{
    const auto preferences = ZKFileManager::preferencesFolderPath();
    std::set<fs::path> referenced;
    for (const auto& [guid, fileName] : store.storedDocumentFiles()) {
        referenced.insert(fs::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) / fileName);
    }
    std::error_code code;
    fs::remove_all(ZKTransactionRetrieval::downloadsFolderPath(), code);
    removeTemporaryFiles(preferences);
    for (const auto& entry : fs::directory_iterator(preferences, code)) {
        if (entry.is_directory(code) && entry.path().filename() != ZKFileManager::kTemporaryFolderName) {
            removeUnreferencedPdfs(entry.path(), referenced);
        }
    }
}
