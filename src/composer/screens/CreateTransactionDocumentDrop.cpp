#include "composer/screens/CreateTransactionDocumentDrop.h"

#include "dragdrop/DropSession.h"
#include "sdk/screens/VTAlertView.h"
#include "support/LocalizedSDK.h"
#include "support/MainQueue.h"

#include <memory>
#include <vector>

std::optional<std::string> CreateTransactionDocumentDrop::fileNameForType(DragAndDropDocumentType type)
{
    switch (type) {
    case DragAndDropDocumentType::image:
        return "Photo.png";
    case DragAndDropDocumentType::pdf:
        return "PDF document.pdf";
    case DragAndDropDocumentType::rtf:
        return "Text document.rtf";
    case DragAndDropDocumentType::html:
        return "HTML document.html";
    case DragAndDropDocumentType::txt:
        return "Text document.txt";
    case DragAndDropDocumentType::unsupported:
        break;
    }
    return std::nullopt;
}

void CreateTransactionDocumentDrop::perform(const platform::dragdrop::DropSession& session,
                                            std::optional<int> destinationRow, Finished finished)
{
    VTAlertView::sharedInstance()->showBlockingMessage(localizedSDK(blockingMessageKey));
    session.loadObjectsOfClass<DragAndDropDocument>(
        [destinationRow, finished = std::move(finished)](const DragAndDropHelper::Documents& items) {
            importItems(items, destinationRow, finished);
        });
}

void CreateTransactionDocumentDrop::importItems(const DragAndDropHelper::Documents& items,
                                                std::optional<int> destinationRow, Finished finished)
{
    std::vector<std::string> names;
    std::vector<int> positions;
    for (std::size_t index = 0; index < items.size(); ++index) {
        const auto& item = items[index];
        if (const auto name = fileNameForType(item ? item->type() : DragAndDropDocumentType::unsupported)) {
            names.push_back(*name);
        }
        if (destinationRow) {
            positions.push_back(*destinationRow + static_cast<int>(index));
        }
    }
    const auto importer = std::make_shared<DragAndDropHelper>();
    const bool queued = importer->addFiles(items, names, destinationRow ? std::optional(positions) : std::nullopt);
    if (!queued) {
        finish(finished, {});
        return;
    }
    importer->startImportingDocuments(
        [finished](const std::vector<std::string>& refusedFileNames) { finish(finished, refusedFileNames); });
}

void CreateTransactionDocumentDrop::finish(const Finished& finished, const std::vector<std::string>& refusedFileNames)
{
    runOnMainQueue([finished, refusedFileNames] {
        VTAlertView::sharedInstance()->hideBlockingMessage();
        if (!refusedFileNames.empty()) {
            showRefusal(refusedFileNames);
        }
        if (finished) {
            finished();
        }
    });
}

void CreateTransactionDocumentDrop::showRefusal(const std::vector<std::string>& refusedFileNames)
{
    const std::string line = localizedSDK(refusedFileMessageKey);
    const auto slot = line.find("%@");
    std::string message;
    for (const auto& name : refusedFileNames) {
        const std::string named = slot == std::string::npos ? line : std::string(line).replace(slot, 2, name);
        message += (message.empty() ? "" : "\n") + named;
    }
    VTAlertView::sharedInstance()->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        localizedSDK("Error"), message, localizedSDK("OK"));
}
