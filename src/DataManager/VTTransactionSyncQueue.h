#pragma once

#include "DataManager/VTSynchronizationDelegates.h"
#include "support/ZKError.h"

#include <deque>
#include <memory>
#include <optional>
#include <string>

// The queue of stored transactions whose pending work goes to the service, one at a
// time; each finished transaction starts the next. It runs while synchronising is allowed
// ("synchronyzeAutomatically", on unless switched off; "synchronyzeOnWifiOnly" asks for
// Wi-Fi) and the device is online (ZKReachability). Main thread only.
class VTTransactionSyncQueue : public std::enable_shared_from_this<VTTransactionSyncQueue> {
public:
    static constexpr const char* kSynchronizeAutomaticallyKey = "synchronyzeAutomatically";
    static constexpr const char* kSynchronizeOnWifiOnlyKey = "synchronyzeOnWifiOnly";

    static std::shared_ptr<VTTransactionSyncQueue> sharedInstance();
    // Replaces the shared queue by an empty one (keeping its delegates); a transaction
    // being synchronised still finishes and is reported, and the new queue starts only
    // after it, so the same draft is never created twice on the service.
    static void clearData();

    // Queues the transaction unless it is queued or being synchronised already, tells the
    // synchronisation delegate, and starts when idle, allowed and online. NO only for a
    // nil GUID.
    bool addTransaction(const std::optional<std::string>& guid);
    // Starts the next queued transaction when idle, allowed and online (e.g. once the
    // device is back online).
    void startSynchronizing();

    bool isSynchronizing() const { return current_.has_value(); }
    const std::deque<std::string>& queuedTransactions() const { return queue_; }

    void setSynchronizationDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate);
    void setResultDelegate(const std::shared_ptr<VTSynchronizationResultDelegate>& delegate);

private:
    bool isAllowed() const;
    bool contains(const std::string& guid) const;
    void didFinish(const Dictionary& details, const std::optional<ZKError>& error);
    void handOverTo(VTTransactionSyncQueue& successor, const Dictionary& details, const std::optional<ZKError>& error) const;

    std::deque<std::string> queue_;
    std::optional<std::string> current_;
    bool cleared_ = false;
    // The replaced queue whose transaction is still being synchronised.
    std::weak_ptr<VTTransactionSyncQueue> predecessor_;
    std::weak_ptr<VeltraSynchronizationQueueDelegate> synchronizationDelegate_;
    std::weak_ptr<VTSynchronizationResultDelegate> resultDelegate_;
};
