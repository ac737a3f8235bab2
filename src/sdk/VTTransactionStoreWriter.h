#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class VTTransaction;
class ZKTransaction;

// Writes a builder into the local store: its settings, recipients and documents (the
// PDFs copied into the transaction's folder, the composer's temporary copies linked
// there) as one change that is stored whole or not at all: the files first, then the
// store. A builder without GUID becomes a new local transaction with pending creation on
// the service; a builder with one updates the stored transaction of that GUID. Main
// thread only, as the store is; a write from another thread is refused untouched.
class VTTransactionStoreWriter {
public:
    using Result = std::variant<std::shared_ptr<ZKTransaction>, ZKError>;

    explicit VTTransactionStoreWriter(VTTransaction& builder);

    // Stores the builder as a local draft.
    Result writeDraft();
    // Stores the builder's edits, keeping its draft state.
    Result writeEdits();

    // Deletes a recipient's participant, or a document and its PDF, from the stored
    // transaction of that GUID; nothing when either is not stored.
    static void removeStoredParticipant(const std::string& guid, const std::string& uid);
    static void removeStoredDocument(const std::string& guid, const std::string& ident);

private:
    struct PendingFile {
        std::size_t documentIndex;
        std::filesystem::path path;
    };

    Result write(bool asDraft);
    std::optional<ZKError> checkDocuments() const;
    Dictionary transactionDictionary(const std::shared_ptr<ZKTransaction>& stored, const std::string& guid,
                                     bool asDraft);
    Dictionary participantsDictionary();
    Dictionary documentsDictionary(const std::shared_ptr<ZKTransaction>& stored, const std::string& guid);
    std::optional<ZKError> copyDocuments() const;
    void discardCopies() const;
    void adoptStoredState(const std::string& guid);
    static std::vector<std::filesystem::path> filesOfDocumentsDropped(const std::shared_ptr<ZKTransaction>& stored,
                                                                      const Dictionary& documents);

    VTTransaction& builder_;
    std::vector<std::string> participantUids_;
    std::vector<std::string> documentIdents_;
    std::vector<PendingFile> pendingFiles_;
};
