#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ZKCoreDataManager;
class ZKTransaction;
struct ZKReply;

// Brings one transaction the device does not hold from the service into the store: the
// package is fetched and translated, the PDFs of its documents are downloaded into a
// folder of their own, and only when all of that came the transaction is mapped into
// entities, saved, and given the folder. Any failure leaves the store and the document
// folders as they were. Main thread only.
class ZKTransactionRetrieval : public std::enable_shared_from_this<ZKTransactionRetrieval> {
public:
    using Success = std::function<void(const std::shared_ptr<ZKTransaction>& transaction)>;
    using Failure = std::function<void(const ZKError& error)>;

    // Where downloads wait until their transaction is stored:
    // Library/Preferences/VeltDownloads/<unique name>/.
    static std::filesystem::path downloadsFolderPath();

    static void retrieveTransactionWithGuid(const std::string& guid, std::shared_ptr<ZKCoreDataManager> store,
                                            Success success, Failure failure);

    // Use retrieveTransactionWithGuid(); public for make_shared.
    ZKTransactionRetrieval(std::string guid, std::shared_ptr<ZKCoreDataManager> store, Success success,
                           Failure failure);

private:
    void didFetch(const ZKReply& reply);
    void didDownload(const Dictionary& transaction, const std::optional<ZKError>& error);
    std::optional<ZKError> store(const Dictionary& transaction);
    void fail(const ZKError& error);

    std::string guid_;
    std::shared_ptr<ZKCoreDataManager> store_;
    Success success_;
    Failure failure_;
    std::filesystem::path staging_;
};
