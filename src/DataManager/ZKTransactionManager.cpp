#include "DataManager/ZKTransactionManager.h"

#include "DataManager/ZKDataManager.h"
#include "foundation/SharedInstances.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKPredefinedActions.h"
#include "model/ZKTransaction.h"
#include "service/ZKWebFetcher.h"
#include "store/ZKFileManager.h"

#include <utility>

namespace {

struct SignatureCounts {
    int total = 0;
    int signedOnDevice = 0;
    int confirmed = 0;
};

// A signature approval is signed once it holds content; it is confirmed once no signing
// waits to be sent to the service any more.
SignatureCounts countSignatures(const ZKTransaction& transaction)
{
    const bool signingPending = transaction.predefinedActionsIfAny() && transaction.predefinedActionsIfAny()->sign();
    SignatureCounts counts;
    for (const auto& document : transaction.documents()) {
        for (const auto& element : document->elements()) {
            if (element->type() != "SIGNATURE") {
                continue;
            }
            ++counts.total;
            if (!element->content().empty()) {
                ++counts.signedOnDevice;
                counts.confirmed += signingPending ? 0 : 1;
            }
        }
    }
    return counts;
}

double fraction(int part, int whole)
{
    return whole == 0 ? 0.0 : static_cast<double>(part) / whole;
}

} // namespace

std::shared_ptr<ZKTransactionManager> ZKTransactionManager::sharedInstance()
{
    return platform::SharedInstance<ZKTransactionManager>::get();
}

std::optional<std::string> ZKTransactionManager::Current::id() const
{
    return transaction ? std::optional<std::string>(transaction->guid()) : transactionID;
}

ZKTransactionManager::ZKTransactionManager() : dataManager_(std::make_shared<ZKDataManager>())
{
    ZKFileManager::sharedInstance()->setCurrentTransactionIdProvider(
        [current = std::weak_ptr<Current>(current_)]() -> std::optional<std::string> {
            const auto held = current.lock();
            return held ? held->id() : std::nullopt;
        });
}

std::optional<std::string> ZKTransactionManager::transactionID() const
{
    return current_->id();
}

void ZKTransactionManager::setTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    current_->transaction = transaction;
    current_->transactionID = transaction ? std::optional<std::string>(transaction->guid()) : std::nullopt;
}

void ZKTransactionManager::setTransactionID(const std::optional<std::string>& transactionID)
{
    current_->transactionID = transactionID;
    if (current_->transaction && transactionID != current_->transaction->guid()) {
        current_->transaction.reset();
    }
}

std::shared_ptr<ZKTransaction> ZKTransactionManager::transactionWithId(const std::string& guid) const
{
    return ZKTransaction::transactionWithGIUD(guid);
}

void ZKTransactionManager::fetchGroupsWithCallback(ResultCallback callback) const
{
    ZKWebFetcher::groupsWithCallback(std::move(callback));
}

Dictionary ZKTransactionManager::interfaceDictionary() const
{
    const auto& transaction = current_->transaction;
    if (!transaction) {
        return Dictionary::object();
    }
    const auto counts = countSignatures(*transaction);
    return {{"guid", transaction->guid()},
            {"name", transaction->name()},
            {"status", transaction->status()},
            {"progressLevel", fraction(counts.confirmed, counts.total)},
            {"localProgressLevel", fraction(counts.signedOnDevice, counts.total)},
            {"draft", transaction->draft()},
            {"offline", transaction->local()},
            {"signedSignatures", counts.signedOnDevice},
            {"confirmedSignatures", counts.confirmed},
            {"unsignedSignatures", counts.total - counts.signedOnDevice}};
}
