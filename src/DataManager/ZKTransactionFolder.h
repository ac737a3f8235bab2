#pragma once

#include "support/ZKError.h"

#include <filesystem>
#include <optional>
#include <string>

// The folder of one transaction's PDFs (Library/Preferences/<GUID>/), filled from another
// transaction's folder when a transaction is copied or given a new GUID. A folder is
// filled in a temporary folder beside it and renamed into place, so a process ended on
// the way leaves the folder whole or absent, never half filled.
class ZKTransactionFolder {
public:
    explicit ZKTransactionFolder(const std::string& guid);

    const std::filesystem::path& path() const { return path_; }

    // Copies the files of the transaction `guid`; nothing to copy is no error.
    std::optional<ZKError> copyFrom(const std::string& guid) const;
    // Takes the files of the transaction `guid` as second names of the same files (hard
    // links), leaving that folder as it is; nothing to take is no error.
    std::optional<ZKError> linkFrom(const std::string& guid) const;
    void remove() const;

private:
    std::optional<ZKError> fillFrom(const std::string& guid, std::filesystem::copy_options how,
                                    const std::string& what) const;

    std::filesystem::path path_;
};
