#include "DataManager/ZKTransactionFolder.h"

#include "foundation/AtomicFile.h"
#include "store/ZKFileManager.h"

namespace {

ZKError folderError(const std::string& what, const std::error_code& code)
{
    return ZKError::make(ZKError::storeFailure, "The documents could not be " + what + ": " + code.message());
}

} // namespace

ZKTransactionFolder::ZKTransactionFolder(const std::string& guid)
    : path_(ZKFileManager::folderPathForTransactionWithGUID(guid))
{
}

std::optional<ZKError> ZKTransactionFolder::copyFrom(const std::string& guid) const
{
    return fillFrom(guid, std::filesystem::copy_options::recursive, "copied");
}

std::optional<ZKError> ZKTransactionFolder::linkFrom(const std::string& guid) const
{
    return fillFrom(guid, std::filesystem::copy_options::recursive | std::filesystem::copy_options::create_hard_links,
                    "linked");
}

std::optional<ZKError> ZKTransactionFolder::fillFrom(const std::string& guid, std::filesystem::copy_options how,
                                                     const std::string& what) const
{
    const ZKTransactionFolder source(guid);
    std::error_code code;
    if (source.path_ == path_ || !std::filesystem::exists(source.path_, code)) {
        return std::nullopt;
    }
    const auto staging = platform::AtomicFile::temporaryPathFor(path_);
    std::filesystem::copy(source.path_, staging, how, code);
    if (!code) {
        // What is here no stored transaction names: a leftover of an interrupted attempt.
        std::filesystem::remove_all(path_, code);
    }
    if (!code) {
        std::filesystem::rename(staging, path_, code);
    }
    if (code) {
        std::error_code ignored;
        std::filesystem::remove_all(staging, ignored);
        return folderError(what, code);
    }
    return std::nullopt;
}

void ZKTransactionFolder::remove() const
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
