#pragma once

#include "DataManager/VTSynchronizationDelegates.h"
#include "foundation/Dictionary.h"

// The host's delegate of the facade: the SDK's screens closing, local drafts made, and the
// outcome of each synchronised transaction. Messages arrive on the main thread.
class VeltraDelegate : public VTSynchronizationResultDelegate {
public:
    virtual ~VeltraDelegate() = default;

    // The SDK's screens closed; the dictionary describes the current transaction.
    virtual void didExitSDK(const Dictionary& transactionInfo) = 0;

    // Optional: senders probe respondsToDidCreateLocalDraftWithDetails() first.
    virtual bool respondsToDidCreateLocalDraftWithDetails() const { return false; }
    virtual void didCreateLocalDraftWithDetails(const Dictionary& details) { (void)details; }
    // Optional, probed the same way: the composer's edits could not be stored, so nothing
    // will be synchronised; details: {"status": "failed", "error": error}.
    virtual bool respondsToDidFailToStoreLocalDraftWithDetails() const { return false; }
    virtual void didFailToStoreLocalDraftWithDetails(const Dictionary& details) { (void)details; }
};
