#pragma once

#include "composer/DragAndDropDocument.h"
#include "composer/DragAndDropHelper.h"
#include "support/LocalizedSDK.h"

#include <functional>
#include <optional>
#include <string>

namespace platform::dragdrop {
class DropSession;
}

// Files dropped on the document list becoming documents: each is named by its kind,
// placed from the drop row on (or, without a drop row, each at the top of the list), and
// imported in one batch by an importer of its own while the blocking message
// "Adding to Transaction..." is up. A drop holding anything of a kind that cannot be
// named imports nothing at all.
//
// Files that cannot be read are refused: once the message is down, one error alert names
// each of them; the rest of the drop is added.
//
// Started on the main thread; `finished` always runs there, once the message is down:
// when the batch has ended (wherever the model's last answer came from) or at once when
// nothing could be queued. Stateless.
class CreateTransactionDocumentDrop {
public:
    using Finished = std::function<void()>;

    static constexpr const char* blockingMessageKey = localizableKey("Adding to Transaction...");
    // One line of the refusal alert; "%@" is the file's name.
    static constexpr const char* refusedFileMessageKey = localizableKey("The file \"%@\" cannot be read and was not added.");

    // The name every dropped file of the kind gets; none for an unsupported one.
    static std::optional<std::string> fileNameForType(DragAndDropDocumentType type);

    // Puts the message up, reads the session's files and imports them.
    static void perform(const platform::dragdrop::DropSession& session, std::optional<int> destinationRow,
                        Finished finished);
    // Imports files already read (the message is up); item i goes to destinationRow + i.
    static void importItems(const DragAndDropHelper::Documents& items, std::optional<int> destinationRow,
                            Finished finished);

private:
    static void finish(const Finished& finished, const std::vector<std::string>& refusedFileNames);
    static void showRefusal(const std::vector<std::string>& refusedFileNames);
};
