#include "model/ZKTransaction.h"

#include "foundation/Date.h"
#include "model/ZKDocument.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"

#include <algorithm>
#include <utility>

namespace {

template <class T>
void sortByOrderStable(std::vector<std::shared_ptr<T>>& items)
{
    std::stable_sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a->order() < b->order(); });
}

template <class T>
void placeByOrder(std::vector<std::shared_ptr<T>>& items, const std::shared_ptr<T>& item)
{
    const auto position = std::upper_bound(items.begin(), items.end(), item,
                                           [](const auto& a, const auto& b) { return a->order() < b->order(); });
    items.insert(position, item);
}

template <class T>
void eraseItem(std::vector<std::shared_ptr<T>>& items, const T* item)
{
    std::erase_if(items, [item](const auto& candidate) { return candidate.get() == item; });
}

} // namespace

std::shared_ptr<ZKTransaction> ZKTransaction::insertNew()
{
    auto transaction = std::make_shared<ZKTransaction>();
    insertInStoreManager(transaction);
    return transaction;
}

std::shared_ptr<ZKTransaction> ZKTransaction::transactionWithGIUD(const std::string& guid)
{
    const auto manager = storeManager();
    return manager ? manager->transactionWithGuid(guid) : nullptr;
}

void ZKTransaction::addDocument(const std::shared_ptr<ZKDocument>& document)
{
    if (const auto previous = document->transaction()) {
        eraseItem(previous->documents_, document.get());
    }
    document->setTransaction(std::static_pointer_cast<ZKTransaction>(shared_from_this()));
    placeByOrder(documents_, document);
}

void ZKTransaction::addParticipant(const std::shared_ptr<ZKParticipant>& participant)
{
    if (const auto previous = participant->transaction()) {
        eraseItem(previous->participants_, participant.get());
    }
    participant->setTransaction(std::static_pointer_cast<ZKTransaction>(shared_from_this()));
    placeByOrder(participants_, participant);
}

void ZKTransaction::removeDocument(const std::shared_ptr<ZKDocument>& documentToRemove)
{
    // A copy: the argument may be the list entry that is erased.
    const auto document = documentToRemove;
    eraseItem(documents_, document.get());
    if (const auto owner = store()) {
        owner->deleteObject(document);
    }
}

void ZKTransaction::removeParticipant(const std::shared_ptr<ZKParticipant>& participantToRemove)
{
    const auto participant = participantToRemove;
    eraseItem(participants_, participant.get());
    if (const auto owner = store()) {
        owner->deleteObject(participant);
    }
}

void ZKTransaction::sortByOrder()
{
    sortByOrderStable(documents_);
    sortByOrderStable(participants_);
}

std::shared_ptr<ZKPredefinedActions> ZKTransaction::predefinedActions()
{
    if (!predefinedActions_) {
        auto actions = std::make_shared<ZKPredefinedActions>();
        if (const auto owner = store()) {
            owner->insertObject(actions);
        }
        setPredefinedActions(actions);
    }
    return predefinedActions_;
}

void ZKTransaction::setPredefinedActions(const std::shared_ptr<ZKPredefinedActions>& actions)
{
    if (predefinedActions_ == actions) {
        return;
    }
    if (predefinedActions_) {
        if (const auto owner = store()) {
            owner->deleteObject(predefinedActions_);
        }
    }
    predefinedActions_ = actions;
    if (actions) {
        actions->setTransaction(std::static_pointer_cast<ZKTransaction>(shared_from_this()));
    }
}

std::vector<std::shared_ptr<ZKParticipant>> ZKTransaction::editTransactionParticipants() const
{
    return participants_;
}

bool ZKTransaction::setLocal()
{
    setLastUpdate(platform::Date::now().timeIntervalSince1970());
    if (!local_ && !draft_) {
        setLocalFlag(true);
    }
    return saveUpdates();
}

void ZKTransaction::takeContentsOf(ZKTransaction& stored)
{
    guid_ = stored.guid_;
    name_ = stored.name_;
    desc_ = stored.desc_;
    status_ = stored.status_;
    draft_ = stored.draft_;
    local_ = stored.local_;
    lastUpdate_ = stored.lastUpdate_;
    expiry_ = stored.expiry_;
    emailMessage_ = stored.emailMessage_;
    inPerson_ = stored.inPerson_;
    autocomplete_ = stored.autocomplete_;
    orderSigning_ = stored.orderSigning_;
    advancedOptions_ = stored.advancedOptions_;
    trxAttributes_ = stored.trxAttributes_;
    documents_ = std::exchange(stored.documents_, {});
    participants_ = std::exchange(stored.participants_, {});
    predefinedActions_ = std::exchange(stored.predefinedActions_, nullptr);
    const auto self = std::static_pointer_cast<ZKTransaction>(shared_from_this());
    for (const auto& document : documents_) {
        document->setTransaction(self);
    }
    for (const auto& participant : participants_) {
        participant->setTransaction(self);
    }
    if (predefinedActions_) {
        predefinedActions_->setTransaction(self);
    }
}
