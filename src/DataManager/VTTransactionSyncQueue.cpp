#include "DataManager/VTTransactionSyncQueue.h"

#include "DataManager/ZKTransactionSynchronizer.h"
#include "foundation/SharedInstances.h"
#include "foundation/Text.h"
#include "foundation/UserDefaults.h"
#include "service/ZKReachability.h"

#include <algorithm>

std::shared_ptr<VTTransactionSyncQueue> VTTransactionSyncQueue::sharedInstance()
{
    return platform::SharedInstance<VTTransactionSyncQueue>::get();
}

void VTTransactionSyncQueue::clearData()
{
    const auto old = sharedInstance();
    old->queue_.clear();
    old->cleared_ = true;
    platform::SharedInstance<VTTransactionSyncQueue>::reset();
    const auto fresh = sharedInstance();
    fresh->synchronizationDelegate_ = old->synchronizationDelegate_;
    fresh->resultDelegate_ = old->resultDelegate_;
    fresh->predecessor_ = old->isSynchronizing() ? std::weak_ptr(old) : old->predecessor_;
}

bool VTTransactionSyncQueue::addTransaction(const std::optional<std::string>& guid)
{
    if (!guid) {
        return false;
    }
    if (!contains(*guid)) {
        queue_.push_back(*guid);
        if (const auto delegate = synchronizationDelegate_.lock()) {
            delegate->didAddTransactionToSynchronizationQueue(*guid);
        }
    }
    startSynchronizing();
    return true;
}

void VTTransactionSyncQueue::startSynchronizing()
{
    const auto predecessor = predecessor_.lock();
    if (cleared_ || current_ || queue_.empty() || !isAllowed() || (predecessor && predecessor->isSynchronizing())) {
        return;
    }
    current_ = queue_.front();
    queue_.pop_front();
    ZKTransactionSynchronizer::synchronizeTransactionWithGuid(
        *current_, [self = shared_from_this()](const Dictionary& details, const std::optional<ZKError>& error) {
            self->didFinish(details, error);
        });
}

void VTTransactionSyncQueue::setSynchronizationDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate)
{
    synchronizationDelegate_ = delegate;
}

void VTTransactionSyncQueue::setResultDelegate(const std::shared_ptr<VTSynchronizationResultDelegate>& delegate)
{
    resultDelegate_ = delegate;
}

bool VTTransactionSyncQueue::isAllowed() const
{
    const auto& defaults = platform::UserDefaults::standard();
    const bool automatic = !defaults.objectForKey(kSynchronizeAutomaticallyKey) ||
                           defaults.boolForKey(kSynchronizeAutomaticallyKey);
    const auto reachability = ZKReachability::sharedInstance();
    const bool wifiMissing = defaults.boolForKey(kSynchronizeOnWifiOnlyKey) && !reachability->isOnWifi();
    return automatic && reachability->isConnected() && !wifiMissing;
}

void VTTransactionSyncQueue::handOverTo(VTTransactionSyncQueue& successor, const Dictionary& details,
                                        const std::optional<ZKError>& error) const
{
    // A draft this queue has just created is no longer waiting for anything.
    if (!error && details.contains("localGuid") && details["localGuid"].is_string()) {
        const auto guid = details["localGuid"].get<std::string>();
        std::erase_if(successor.queue_, [&guid](const std::string& queued) {
            return platform::text::caseInsensitiveEquals(queued, guid);
        });
    }
    successor.startSynchronizing();
}

bool VTTransactionSyncQueue::contains(const std::string& guid) const
{
    const auto same = [&guid](const std::string& queued) { return platform::text::caseInsensitiveEquals(queued, guid); };
    return (current_ && same(*current_)) || std::any_of(queue_.begin(), queue_.end(), same);
}

void VTTransactionSyncQueue::didFinish(const Dictionary& details, const std::optional<ZKError>& error)
{
    current_.reset();
    if (const auto delegate = resultDelegate_.lock()) {
        if (error) {
            delegate->synchronizingFailedForTransaction({{"guid", details["localGuid"]}, {"error", error->toDictionary()}});
        } else {
            delegate->didSynchronizeTransaction(details);
        }
    }
    if (cleared_) {
        handOverTo(*sharedInstance(), details, error);
        return;
    }
    startSynchronizing();
}
