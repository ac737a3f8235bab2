#pragma once

#include "support/ZKError.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class VeltManagedObject;
class ZKTransaction;

// What the entities need of the store that holds them. The store stack (ZKCoreDataManager)
// implements it; the entities know only this interface, so the model does not depend on
// the store library. Every call is made on the main thread; the store refuses the others.
class VeltObjectStore {
public:
    virtual ~VeltObjectStore() = default;

    // Registers a new object; it is written by the next save.
    virtual void insertObject(const std::shared_ptr<VeltManagedObject>& object) = 0;
    // Removes the object and what it owns (a transaction's documents, participants and
    // pending work; a document's elements; an element's validation) at the next save.
    virtual void deleteObject(const std::shared_ptr<VeltManagedObject>& object) = 0;
    // Called by an object whose stored values changed.
    virtual void objectDidChange(const std::shared_ptr<VeltManagedObject>& object) = 0;

    // Writes every inserted, changed and deleted object in one SQLite transaction: all of
    // it or, on failure, none of it (the objects then stay changed, so a later save can
    // retry). Empty on success.
    virtual std::optional<ZKError> save() = 0;
    virtual bool hasChanges() const = 0;
    // Drops every unsaved change: objects inserted since the last save are forgotten and
    // detached, changed and deleted ones return to their stored state. For a caller whose
    // save failed and who reports that failure, so that no later save writes it after all.
    virtual void rollback() = 0;

    // The transaction whose guid equals `guid` ignoring ASCII case, unsaved changes
    // included; nullptr when there is none.
    virtual std::shared_ptr<ZKTransaction> transactionWithGuid(const std::string& guid) = 0;
    // Every transaction, ordered by last update, newest first.
    virtual std::vector<std::shared_ptr<ZKTransaction>> allTransactions() = 0;

    // The distinct first enumeration entries of the "Radio" elements of an approval in a
    // document, unsaved changes included, in no particular order.
    virtual std::vector<std::string> radioGroupNames(const std::string& approvalIdent,
                                                     const std::string& documentIdent) = 0;
};
