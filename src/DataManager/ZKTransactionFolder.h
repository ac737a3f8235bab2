#pragma once

#include "support/ZKError.h"

#include <filesystem>
#include <optional>
#include <string>

// The folder of one transaction's PDFs (Library/Preferences/<GUID>/), filled from another
// transaction's folder when a transaction is copied or given a new GUID.
class ZKTransactionFolder {
public:
    explicit ZKTransactionFolder(const std::string& guid);

    const std::filesystem::path& path() const { return path_; }

    // Copies the files of the transaction `guid`; nothing to copy is no error.
    std::optional<ZKError> copyFrom(const std::string& guid) const;
    // Takes over the folder of the transaction `guid`; nothing to take is no error.
    std::optional<ZKError> moveFrom(const std::string& guid) const;
    void remove() const;

private:
    std::filesystem::path path_;
};
