#include "composer/screens/CreateTransactionContactDrop.h"

#include "contacts/VCardReader.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/RunLoop.h"
#include "support/MainQueue.h"

using platform::dragdrop::Bytes;

void CreateTransactionContactDrop::start(const platform::dragdrop::DropSession& session, int firstPosition,
                                         Completion completion)
{
    const auto& items = session.items();
    if (items.empty()) {
        return;
    }
    const auto drop = std::make_shared<CreateTransactionContactDrop>(static_cast<int>(items.size()), firstPosition,
                                                                     std::move(completion));
    const std::string vCard(platform::dragdrop::TypeIdentifier::vCard);
    for (const auto& item : items) {
        if (!item.itemProvider) {
            drop->answerArrived(std::nullopt);
            continue;
        }
        item.itemProvider->loadDataRepresentationForTypeIdentifierCompletionHandler(
            vCard, [drop](std::optional<Bytes> data, std::optional<std::string>) {
                runOnMainQueue([drop, data = std::move(data)] { drop->answerArrived(data); });
            });
    }
}

CreateTransactionContactDrop::CreateTransactionContactDrop(int itemCount, int firstPosition, Completion completion)
    : itemCount_(itemCount), firstPosition_(firstPosition), completion_(std::move(completion))
{
}

void CreateTransactionContactDrop::answerArrived(const std::optional<Bytes>& data)
{
    platform::RunLoop::main().assertMainThread("A dropped contact card's answer");
    ++arrivedItems_;
    if (data) {
        // Cards before a damaged one in the same file still count.
        const auto cards = platform::contacts::VCardReader::read(*data).contacts;
        std::vector<int> positions(cards.size());
        for (std::size_t index = 0; index < cards.size(); ++index) {
            positions[index] = firstPosition_ + static_cast<int>(index);
        }
        if (!cards.empty()) {
            importer_->addContacts(cards, positions);
        }
    }
    if (arrivedItems_ == itemCount_) {
        // The importer keeps itself alive while it works; the drop is done with it.
        importer_->startImportingContacts(completion_);
    }
}
