#pragma once

#include "support/ZKError.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Downloads the PDFs of a package's documents, one after another, into a folder of their
// own. A reply that is not a PDF, or a file that cannot be written, stops the download
// with an error; the folder then holds whatever came before, for the caller to discard.
class ZKPdfDownload : public std::enable_shared_from_this<ZKPdfDownload> {
public:
    struct File {
        std::string documentId;
        std::string fileName;  // one plain name inside the folder
    };
    using Completion = std::function<void(const std::optional<ZKError>& error)>;

    static void downloadFilesOfPackageIntoFolder(const std::string& packageGuid, std::vector<File> files,
                                                 std::filesystem::path folder, Completion completion);

    // Use downloadFilesOfPackageIntoFolder(); public for make_shared.
    ZKPdfDownload(std::string packageGuid, std::vector<File> files, std::filesystem::path folder,
                  Completion completion);

private:
    void downloadNext();
    std::optional<ZKError> store(const File& file, const std::string& bytes) const;

    std::string packageGuid_;
    std::vector<File> files_;
    std::filesystem::path folder_;
    Completion completion_;
    std::size_t next_ = 0;
};
