#include "composer/screens/CreateTransactionDocumentDrop.h"

#include "dragdrop/DropSession.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "sdk/screens/VTAlertView.h"
#include "support/LocalizedSDK.h"
#include "support/MainQueue.h"

#include <memory>
#include <vector>

using platform::graphics::DocumentConverter;
using platform::graphics::ImageCodec;

namespace {

constexpr std::size_t kBytesInAMegabyte = 1024 * 1024;
constexpr std::int64_t kPixelsInAMegapixel = 1'000'000;

// The format with each "%@" in turn replaced by the next value; a value never takes the
// place of the next "%@" itself.
std::string filledInTurn(const std::string& format, const std::vector<std::string>& values)
{
    std::string text = format;
    std::size_t from = 0;
    for (const auto& value : values) {
        const auto slot = text.find("%@", from);
        if (slot == std::string::npos) {
            break;
        }
        text.replace(slot, 2, value);
        from = slot + value.size();
    }
    return text;
}

} // namespace

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
    // Made before the files are read, so that files read after the host has left this
    // transaction do not join the next.
    const auto importer = std::make_shared<DragAndDropHelper>();
    const auto showing = VTAlertView::sharedInstance()->showBlockingMessage(localizedSDK(blockingMessageKey));
    session.loadObjectsOfClass<DragAndDropDocument>(
        [importer, destinationRow, showing, finished = std::move(finished)](const DragAndDropHelper::Documents& items) {
            importItems(importer, items, destinationRow, showing, finished);
        });
}

void CreateTransactionDocumentDrop::importItems(const std::shared_ptr<DragAndDropHelper>& importer,
                                                const DragAndDropHelper::Documents& items,
                                                std::optional<int> destinationRow, Showing showing, Finished finished)
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
    const bool queued = importer->addFiles(items, names, destinationRow ? std::optional(positions) : std::nullopt);
    if (!queued) {
        finish(*importer, showing, finished, {});
        return;
    }
    // The importer keeps itself alive while its completion runs.
    importer->startImportingDocuments([&importer = *importer, showing, finished](
                                          const std::vector<DragAndDropHelper::RefusedFile>& refusedFiles) {
        finish(importer, showing, finished, refusedFiles);
    });
}

void CreateTransactionDocumentDrop::finish(const DragAndDropHelper& importer, Showing showing,
                                           const Finished& finished,
                                           const std::vector<DragAndDropHelper::RefusedFile>& refusedFiles)
{
    const bool abandoned = !importer.isComposing();
    runOnMainQueue([abandoned, showing, finished, refusedFiles] {
        VTAlertView::sharedInstance()->hideBlockingMessage(showing);
        if (abandoned) {
            return;
        }
        if (!refusedFiles.empty()) {
            showRefusal(refusedFiles);
        }
        if (finished) {
            finished();
        }
    });
}

std::string CreateTransactionDocumentDrop::refusalLine(const DragAndDropHelper::RefusedFile& file)
{
    using Refusal = DragAndDropHelper::Refusal;
    switch (file.reason) {
    case Refusal::textTooLarge:
        return filledInTurn(localizedSDK(textTooLargeMessageKey),
                            {file.name, std::to_string(DocumentConverter::maxTextBytes / kBytesInAMegabyte)});
    case Refusal::pictureTooLarge:
        return filledInTurn(localizedSDK(pictureTooLargeMessageKey),
                            {file.name, std::to_string(ImageCodec::maxDecodedPixels / kPixelsInAMegapixel)});
    case Refusal::unreadable:
        break;
    }
    return filledInTurn(localizedSDK(unreadableFileMessageKey), {file.name});
}

void CreateTransactionDocumentDrop::showRefusal(const std::vector<DragAndDropHelper::RefusedFile>& refusedFiles)
{
    std::string message;
    for (const auto& file : refusedFiles) {
        message += (message.empty() ? "" : "\n") + refusalLine(file);
    }
    VTAlertView::sharedInstance()->showErrorAlertWithTitleMessageCancelButtonTitleAndCancelBtnAction(
        localizedSDK("Error"), message, localizedSDK("OK"));
}
