#include "DataManager/ZKTransactionFolder.h"

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
    const ZKTransactionFolder source(guid);
    std::error_code code;
    if (!std::filesystem::exists(source.path_, code)) {
        return std::nullopt;
    }
    std::filesystem::copy(source.path_, path_, std::filesystem::copy_options::recursive, code);
    if (code) {
        remove();
        return folderError("copied", code);
    }
    return std::nullopt;
}

std::optional<ZKError> ZKTransactionFolder::moveFrom(const std::string& guid) const
{
    const ZKTransactionFolder source(guid);
    std::error_code code;
    if (source.path_ == path_ || !std::filesystem::exists(source.path_, code)) {
        return std::nullopt;
    }
    std::filesystem::rename(source.path_, path_, code);
    return code ? std::optional<ZKError>(folderError("moved", code)) : std::nullopt;
}

void ZKTransactionFolder::remove() const
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
