#pragma once

#include "foundation/Dictionary.h"

#include <string>

// What the synchronisation queue tells the host, through the facade. The facade's host
// delegates implement these (or the facade adapts to them); the queue holds them weakly.
// Messages arrive on the main thread.

// Told of every transaction that joins the queue.
class VeltraSynchronizationQueueDelegate {
public:
    virtual ~VeltraSynchronizationQueueDelegate() = default;
    virtual void didAddTransactionToSynchronizationQueue(const std::string& guid) = 0;
};

// The outcome of each synchronised transaction: the facade's delegate messages
// `didSynchronizeTransaction:` and `synchronizingFailedForTransaction:`.
class VTSynchronizationResultDelegate {
public:
    virtual ~VTSynchronizationResultDelegate() = default;
    // {"guid": the transaction's GUID after synchronising, "localGuid": the GUID it had
    // when it was queued (differs when the service gave it its own)}
    virtual void didSynchronizeTransaction(const Dictionary& details) = 0;
    // {"guid": the GUID it was queued with, "error": error}
    virtual void synchronizingFailedForTransaction(const Dictionary& details) = 0;
};
