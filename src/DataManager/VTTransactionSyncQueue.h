#pragma once

#include "DataManager/VTSynchronizationDelegates.h"
#include "support/ZKError.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>

// The queue of stored transactions whose pending work goes to the service, one at a
// time. It runs while synchronising is allowed ("synchronyzeAutomatically", on unless
// switched off; "synchronyzeOnWifiOnly" asks for Wi-Fi) and the device is online
// (ZKReachability), and starts by itself when either changes. Transactions that finish
// at once are drained in a loop, so a queue of any length takes no deeper stack than one.
// A transaction whose synchronising failed waits for the next start (an add, a change of
// the switches or of reachability, or a start of the SDK); one that is no longer stored
// is dropped. Main thread only; changes reported on other threads are brought to it.
class VTTransactionSyncQueue : public std::enable_shared_from_this<VTTransactionSyncQueue> {
public:
    static constexpr const char* kSynchronizeAutomaticallyKey = "synchronyzeAutomatically";
    static constexpr const char* kSynchronizeOnWifiOnlyKey = "synchronyzeOnWifiOnly";

    static std::shared_ptr<VTTransactionSyncQueue> sharedInstance();
    // Replaces the shared queue by an empty one (keeping its delegates); a transaction
    // being synchronised still finishes and is reported, and the new queue starts only
    // after it, so the same draft is never created twice on the service.
    static void clearData();

    // Queues the transaction unless it is queued or being synchronised already (GUIDs
    // match ignoring ASCII case, as the store matches them), tells the synchronisation
    // delegate, and starts. NO only for a nil GUID.
    bool addTransaction(const std::optional<std::string>& guid);
    // Puts the transactions that failed back at the end of the queue and starts the next
    // one when idle, allowed and online.
    void startSynchronizing();

    bool isSynchronizing() const { return current_.has_value(); }
    const std::deque<std::string>& queuedTransactions() const { return queue_; }
    // Those whose last try failed, waiting for the next start.
    const std::deque<std::string>& failedTransactions() const { return failed_; }

    void setSynchronizationDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate);
    void setResultDelegate(const std::shared_ptr<VTSynchronizationResultDelegate>& delegate);

private:
    static std::string keyOf(const std::string& guid);

    void observeChanges();
    bool isAllowed() const;
    bool canStart() const;
    void drain();
    void startNext();
    void requeueFailed();
    void removeQueued(const std::string& guid);
    void didFinish(const Dictionary& details, const std::optional<ZKError>& error);
    void keepFailed(const std::string& guid, const ZKError& error);
    void handOverTo(VTTransactionSyncQueue& successor, const Dictionary& details, const std::optional<ZKError>& error) const;

    std::deque<std::string> queue_;
    std::optional<std::string> current_;
    // Keys of the queued transactions and the current one, for a constant-time duplicate check.
    std::unordered_set<std::string> queuedKeys_;
    std::deque<std::string> failed_;
    std::unordered_set<std::string> failedKeys_;
    bool draining_ = false;
    bool observing_ = false;
    bool cleared_ = false;
    // The replaced queue whose transaction is still being synchronised.
    std::weak_ptr<VTTransactionSyncQueue> predecessor_;
    std::weak_ptr<VeltraSynchronizationQueueDelegate> synchronizationDelegate_;
    std::weak_ptr<VTSynchronizationResultDelegate> resultDelegate_;
};
