#pragma once

#include "foundation/Dictionary.h"

// The host's delegate of the facade. Messages arrive on the main thread.
class VeltraDelegate {
public:
    virtual ~VeltraDelegate() = default;

    // The SDK's screens closed; the dictionary describes the current transaction.
    virtual void didExitSDK(const Dictionary& transactionInfo) = 0;

    // Optional: senders probe respondsToDidCreateLocalDraftWithDetails() first.
    virtual bool respondsToDidCreateLocalDraftWithDetails() const { return false; }
    virtual void didCreateLocalDraftWithDetails(const Dictionary& details) { (void)details; }
};
