#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"
#include "service/ZKPackageTranslator.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ZKTransaction;
struct ZKReply;
struct ZKUploadFile;

// Sends one stored transaction's pending server work to the service. A local draft (one
// marked to be created on the service, or a draft made on this device) is created there
// with its documents; its GUID, participants', documents' and elements' identifiers then
// become the service's, in one save, and its PDFs move to the folder of the new GUID.
// A transaction with nothing to send completes at once.
class ZKTransactionSynchronizer : public std::enable_shared_from_this<ZKTransactionSynchronizer> {
public:
    // Details {"guid": GUID after synchronising, "localGuid": GUID before}; error when
    // it failed (the transaction is then left as it was).
    using Completion = std::function<void(const Dictionary& details, const std::optional<ZKError>& error)>;

    static void synchronizeTransactionWithGuid(const std::string& guid, Completion completion);

    ZKTransactionSynchronizer(std::string guid, Completion completion);

private:
    static bool needsCreating(const ZKTransaction& transaction);
    static std::optional<ZKError> readDocuments(const ZKTransaction& transaction, std::vector<ZKUploadFile>& files);

    void start();
    void create(ZKTransaction& transaction);
    void didCreate(const Dictionary& sent, const ZKReply& reply);
    std::optional<ZKError> adopt(ZKTransaction& transaction, const ZKPackageIdentifiers& identifiers);
    void finish(const std::string& guid, const std::optional<ZKError>& error);

    std::string guid_;
    Completion completion_;
};
