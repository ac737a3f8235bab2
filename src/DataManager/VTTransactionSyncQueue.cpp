#include "DataManager/VTTransactionSyncQueue.h"

#include "DataManager/ZKTransactionSynchronizer.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"
#include "model/ZKTransaction.h"
#include "service/ZKReachability.h"

#include <algorithm>

namespace {

bool isSwitch(const platform::Notification& notification)
{
    const auto key = notification.userInfo.find("key");
    return key != notification.userInfo.end() &&
           (*key == VTTransactionSyncQueue::kSynchronizeAutomaticallyKey ||
            *key == VTTransactionSyncQueue::kSynchronizeOnWifiOnlyKey);
}

bool isNoLongerStored(const ZKError& error)
{
    return error.domain() == ZKError::kDomain && error.code() == ZKError::notFound;
}

} // namespace

std::shared_ptr<VTTransactionSyncQueue> VTTransactionSyncQueue::sharedInstance()
{
    auto queue = platform::SharedInstance<VTTransactionSyncQueue>::get();
    queue->observeChanges();
    return queue;
}

void VTTransactionSyncQueue::clearData()
{
    const auto old = sharedInstance();
    old->queue_.clear();
    old->queuedKeys_.clear();
    old->failed_.clear();
    old->failedKeys_.clear();
    old->cleared_ = true;
    platform::SharedInstance<VTTransactionSyncQueue>::reset();
    const auto fresh = sharedInstance();
    fresh->synchronizationDelegate_ = old->synchronizationDelegate_;
    fresh->resultDelegate_ = old->resultDelegate_;
    fresh->predecessor_ = old->isSynchronizing() ? std::weak_ptr(old) : old->predecessor_;
}

std::string VTTransactionSyncQueue::keyOf(const std::string& guid)
{
    std::string key = guid;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return key;
}

void VTTransactionSyncQueue::observeChanges()
{
    if (observing_) {
        return;
    }
    observing_ = true;
    // Switches and reachability may change on any thread; the queue runs on the main one.
    const auto start = [queue = weak_from_this()] {
        const auto onMain = [queue] {
            if (const auto held = queue.lock()) {
                held->startSynchronizing();
            }
        };
        if (platform::RunLoop::main().isMainThread()) {
            onMain();
        } else {
            platform::RunLoop::main().dispatchAsync(onMain);
        }
    };
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto owner = shared_from_this();
    center.addObserver(owner, platform::UserDefaults::kDidChangeNotification, nullptr,
                       [start](const platform::Notification& notification) {
                           if (isSwitch(notification)) {
                               start();
                           }
                       });
    center.addObserver(owner, ZKReachability::kConnectionChangedNotification, nullptr,
                       [start](const platform::Notification&) { start(); });
}

bool VTTransactionSyncQueue::addTransaction(const std::optional<std::string>& guid)
{
    if (!guid) {
        return false;
    }
    const auto key = keyOf(*guid);
    if (queuedKeys_.insert(key).second) {
        queue_.push_back(*guid);
        if (failedKeys_.erase(key) > 0) {
            std::erase_if(failed_, [&key](const std::string& failed) { return keyOf(failed) == key; });
        }
        if (const auto delegate = synchronizationDelegate_.lock()) {
            delegate->didAddTransactionToSynchronizationQueue(*guid);
        }
    }
    startSynchronizing();
    return true;
}

void VTTransactionSyncQueue::startSynchronizing()
{
    platform::RunLoop::main().assertMainThread("The synchronisation queue");
    // A start asked for while the queue drains is that drain; failed transactions wait for
    // the next one, so a failure never feeds a loop of retries.
    if (draining_) {
        return;
    }
    requeueFailed();
    drain();
}

void VTTransactionSyncQueue::requeueFailed()
{
    while (!failed_.empty()) {
        auto guid = std::move(failed_.front());
        failed_.pop_front();
        auto key = keyOf(guid);
        failedKeys_.erase(key);
        if (ZKTransaction::transactionWithGIUD(guid) && queuedKeys_.insert(std::move(key)).second) {
            queue_.push_back(std::move(guid));
        }
    }
}

bool VTTransactionSyncQueue::canStart() const
{
    const auto predecessor = predecessor_.lock();
    return !cleared_ && !current_ && !queue_.empty() && isAllowed() && !(predecessor && predecessor->isSynchronizing());
}

void VTTransactionSyncQueue::drain()
{
    if (draining_) {
        return;
    }
    draining_ = true;
    // A transaction that finishes at once comes back here through didFinish, which finds
    // the loop running and leaves the next one to it.
    while (canStart()) {
        startNext();
        if (current_) {
            break;
        }
    }
    draining_ = false;
}

void VTTransactionSyncQueue::startNext()
{
    current_ = std::move(queue_.front());
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

void VTTransactionSyncQueue::removeQueued(const std::string& guid)
{
    const auto key = keyOf(guid);
    if (queuedKeys_.erase(key) > 0) {
        std::erase_if(queue_, [&key](const std::string& queued) { return keyOf(queued) == key; });
    }
}

void VTTransactionSyncQueue::handOverTo(VTTransactionSyncQueue& successor, const Dictionary& details,
                                        const std::optional<ZKError>& error) const
{
    // A draft this queue has just created is no longer waiting for anything.
    if (!error && details.contains("localGuid") && details["localGuid"].is_string()) {
        successor.removeQueued(details["localGuid"].get<std::string>());
    }
    successor.startSynchronizing();
}

void VTTransactionSyncQueue::keepFailed(const std::string& guid, const ZKError& error)
{
    if (isNoLongerStored(error)) {
        return;
    }
    if (failedKeys_.insert(keyOf(guid)).second) {
        failed_.push_back(guid);
    }
}

void VTTransactionSyncQueue::didFinish(const Dictionary& details, const std::optional<ZKError>& error)
{
    const auto guid = *current_;
    current_.reset();
    queuedKeys_.erase(keyOf(guid));
    if (error && !cleared_) {
        keepFailed(guid, *error);
    }
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
    drain();
}
