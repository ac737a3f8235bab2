#pragma once

#include "composer/DragAndDropHelper.h"
#include "dragdrop/DropSession.h"

#include <memory>
#include <optional>

// One drop of contact cards on the recipient list: every item is asked for its vCard
// data, the answers are gathered on the main thread in the order they come, and once the
// last one (good or not) has arrived the importer turns the cards into recipients. Items
// whose data is missing or holds no card add nothing and are not reported. The drop keeps
// itself alive until its answers are in and its importer has finished.
//
// Threads: made and started on the main thread; the item providers answer on their own
// threads and each answer is handed to the main thread before anything is touched.
class CreateTransactionContactDrop : public std::enable_shared_from_this<CreateTransactionContactDrop> {
public:
    using Completion = DragAndDropHelper::ContactsCompletion;

    // The cards of each item are placed from `firstPosition` on. A session without items
    // starts nothing and never completes.
    static void start(const platform::dragdrop::DropSession& session, int firstPosition, Completion completion);

    CreateTransactionContactDrop(int itemCount, int firstPosition, Completion completion);

private:
    void answerArrived(const std::optional<platform::dragdrop::Bytes>& data);

    std::shared_ptr<DragAndDropHelper> importer_ = std::make_shared<DragAndDropHelper>();
    int itemCount_;
    int arrivedItems_ = 0;
    int firstPosition_;
    Completion completion_;
};
