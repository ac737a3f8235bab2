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
// with its documents, under its local GUID as the idempotency key, so a create sent again
// after a crash answers the package already made. Its GUID, participants', documents' and
// elements' identifiers then become the service's: its PDFs are first linked into the
// folder of the new GUID, then the identifiers are saved in one save, and only then is
// the old folder removed. A process ended between any two steps leaves the stored draft
// with a complete folder, and what it leaves besides is a folder no stored transaction
// names, which the next start removes. A transaction with nothing to send completes at
// once. Main thread only.
class ZKTransactionSynchronizer : public std::enable_shared_from_this<ZKTransactionSynchronizer> {
public:
    // Details {"guid": GUID after synchronising, "localGuid": GUID before}; error when
    // it failed (the transaction is then left as it was).
    using Completion = std::function<void(const Dictionary& details, const std::optional<ZKError>& error)>;
    using ResultCallback = std::function<void(const Dictionary& result)>;

    // The points between the steps of creating a draft at which the process may end: the
    // service has created the package; the folder of the new GUID is in place; the new
    // identifiers are saved.
    enum class Checkpoint { created, linked, saved };
    using CheckpointObserver = std::function<void(Checkpoint)>;

    static void synchronizeTransactionWithGuid(const std::string& guid, Completion completion);

    // A draft made by the service from its template package `templateGuid`, fetched with
    // its PDFs and stored: {"data": its transaction dictionary} or {"error": error}. On
    // success posts ZKDataManager::kTemplateDraftNotification with {"guid": the draft's
    // GUID}. The callback runs on the main thread.
    static void createDraftFromTemplateWithGUIDWithCallback(const std::string& templateGuid, ResultCallback callback);

    // Told as each checkpoint is passed (crash tests end the process there); none by default.
    static void setCheckpointObserver(CheckpointObserver observer);

    ZKTransactionSynchronizer(std::string guid, Completion completion);

private:
    static bool needsCreating(const ZKTransaction& transaction);
    static std::optional<ZKError> readDocuments(const ZKTransaction& transaction, std::vector<ZKUploadFile>& files);
    static void pass(Checkpoint checkpoint);

    void start();
    void create(ZKTransaction& transaction);
    void didCreate(const Dictionary& sent, const ZKReply& reply);
    std::optional<ZKError> adopt(ZKTransaction& transaction, const ZKPackageIdentifiers& identifiers);
    std::optional<ZKError> saveIdentifiers(ZKTransaction& transaction, const ZKPackageIdentifiers& identifiers);
    void finish(const std::string& guid, const std::optional<ZKError>& error);

    std::string guid_;
    Completion completion_;
};
