#include "DataManager/ZKPdfDownload.h"

#include "service/ZKReply.h"
#include "service/ZKWebFetcher.h"
#include "store/ZKFileManager.h"

#include <utility>

namespace {

bool looksLikePdf(const std::string& bytes)
{
    return bytes.starts_with("%PDF-");
}

} // namespace

void ZKPdfDownload::downloadFilesOfPackageIntoFolder(const std::string& packageGuid, std::vector<File> files,
                                                     std::filesystem::path folder, Completion completion)
{
    std::make_shared<ZKPdfDownload>(packageGuid, std::move(files), std::move(folder), std::move(completion))
        ->downloadNext();
}

ZKPdfDownload::ZKPdfDownload(std::string packageGuid, std::vector<File> files, std::filesystem::path folder,
                             Completion completion)
    : packageGuid_(std::move(packageGuid)), files_(std::move(files)), folder_(std::move(folder)),
      completion_(std::move(completion))
{
}

void ZKPdfDownload::downloadNext()
{
    if (next_ == files_.size()) {
        completion_(std::nullopt);
        return;
    }
    ZKWebFetcher::documentPdfWithPackageGuidDocumentIdCallback(
        packageGuid_, files_[next_].documentId, [self = shared_from_this()](const ZKReply& reply) {
            auto error = reply.succeeded() ? self->store(self->files_[self->next_], reply.bytes) : reply.error;
            if (error) {
                self->completion_(error);
                return;
            }
            ++self->next_;
            self->downloadNext();
        });
}

std::optional<ZKError> ZKPdfDownload::store(const File& file, const std::string& bytes) const
{
    if (!looksLikePdf(bytes)) {
        return ZKError::make(ZKError::unexpectedReply,
                             "The service sent something other than a PDF for document " + file.documentId + ".");
    }
    const ZKFileManager::Bytes data(bytes.begin(), bytes.end());
    if (!ZKFileManager::storeAtPathFileWithNameAndData((folder_ / file.fileName).string(), std::nullopt, data)) {
        return ZKError::make(ZKError::storeFailure, "The PDF of document " + file.documentId + " could not be stored.");
    }
    return std::nullopt;
}
