#pragma once

#include "composer/DragAndDropDocument.h"
#include "composer/DragAndDropHelper.h"
#include "sdk/screens/VTAlertView.h"
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
// Files that cannot be read or are too large are refused: once the message is down, one
// error alert names each of them and says which it was; the rest of the drop is added.
// A drop belongs to the transaction composed when it was made (see DragAndDropHelper).
// One that ends after the host has left that transaction changes nothing on screen: it
// takes its message down only when no later screen has shown the message since, and
// neither tells of refused files nor calls `finished`.
//
// Started on the main thread; `finished` runs there, once the message is down: when the
// batch has ended (wherever the model's last answer came from) or at once when nothing
// could be queued. Stateless.
class CreateTransactionDocumentDrop {
public:
    using Finished = std::function<void()>;
    using Showing = VTAlertView::BlockingMessageShowing;

    static constexpr const char* blockingMessageKey = localizableKey("Adding to Transaction...");
    // Lines of the refusal alert: the first "%@" is the file's name, the second the limit.
    static constexpr const char* unreadableFileMessageKey =
        localizableKey("The file \"%@\" cannot be read and was not added.");
    static constexpr const char* textTooLargeMessageKey =
        localizableKey("The file \"%@\" is too large and was not added: it is larger than %@ MB.");
    static constexpr const char* pictureTooLargeMessageKey =
        localizableKey("The file \"%@\" is too large and was not added: it needs more than %@ megapixels.");

    // The name every dropped file of the kind gets; none for an unsupported one.
    static std::optional<std::string> fileNameForType(DragAndDropDocumentType type);

    // Puts the message up, reads the session's files and imports them.
    static void perform(const platform::dragdrop::DropSession& session, std::optional<int> destinationRow,
                        Finished finished);
    // Imports files already read (the message is up as `showing`) with the drop's
    // importer; item i goes to destinationRow + i.
    static void importItems(const std::shared_ptr<DragAndDropHelper>& importer,
                            const DragAndDropHelper::Documents& items, std::optional<int> destinationRow,
                            Showing showing, Finished finished);
    // The alert's line for one refused file.
    static std::string refusalLine(const DragAndDropHelper::RefusedFile& file);

private:
    static void finish(const DragAndDropHelper& importer, Showing showing, const Finished& finished,
                       const std::vector<DragAndDropHelper::RefusedFile>& refusedFiles);
    static void showRefusal(const std::vector<DragAndDropHelper::RefusedFile>& refusedFiles);
};
