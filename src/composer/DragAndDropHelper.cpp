#include "composer/DragAndDropHelper.h"

#include "composer/DocumentFileImport.h"
#include "composer/DroppedImageRedraw.h"
#include "foundation/BackgroundWork.h"
#include "foundation/RunLoop.h"
#include "graphics/DocumentConverter.h"
#include "graphics/PdfDocument.h"
#include "signers/SignerAuthenticationDictionary.h"

#include <system_error>

namespace {

constexpr int kNoPosition = -1;

// A PDF the hub could show: it opens and its first page has a size.
bool isReadablePdf(const DragAndDropDocument::Bytes& data)
{
    const auto pdf = platform::graphics::PdfDocument::open(data);
    return pdf && pdf->pageCount() > 0 && pdf->pageSize(0).has_value();
}

} // namespace

DragAndDropHelper::DragAndDropHelper()
    : composition_(VLTNewTransactionViewModel::sharedInstance()->composition())
{
}

bool DragAndDropHelper::addFiles(const Documents& files, const std::vector<std::string>& fileNames,
                                 const std::optional<std::vector<int>>& indexes)
{
    if (files.empty() || fileNames.size() < files.size() || isRunning_ ||
        (indexes && indexes->size() != fileNames.size())) {
        return false;
    }
    for (std::size_t index = 0; index < files.size(); ++index) {
        files_.push_back({files[index], fileNames[index], indexes ? (*indexes)[index] : kNoPosition});
    }
    return true;
}

void DragAndDropHelper::startImportingDocuments(DocumentsCompletion completion)
{
    if (isRunning_) {
        return;
    }
    isRunning_ = true;
    currentIndex_ = 0;
    documentsCompletion_ = std::move(completion);
    numberFileNames();
    importDocumentsFromCurrentIndex();
}

void DragAndDropHelper::numberFileNames()
{
    std::vector<std::string> names;
    names.reserve(files_.size());
    for (const QueuedFile& file : files_) {
        names.push_back(file.fileName);
    }
    const auto numbered = VLTNewTransactionViewModel::sharedInstance()->fileNamesNumberedInTurn(names);
    for (std::size_t index = 0; index < files_.size(); ++index) {
        files_[index].fileName = numbered[index];
    }
}

bool DragAndDropHelper::isComposing() const
{
    return VLTNewTransactionViewModel::sharedInstance()->isCurrentComposition(composition_);
}

void DragAndDropHelper::importDocumentsFromCurrentIndex()
{
    while (currentIndex_ < static_cast<int>(files_.size()) && isComposing()) {
        if (!handOver([this] { importFile(files_[currentIndex_]); })) {
            return;
        }
        ++currentIndex_;
    }
    finishDocuments();
}

bool DragAndDropHelper::handOver(const std::function<void()>& step)
{
    handingOver_ = true;
    answeredWhileHandingOver_ = false;
    step();
    handingOver_ = false;
    return answeredWhileHandingOver_;
}

// A file that cannot be read is refused here, by name, rather than becoming a document
// that shows nothing and that the store later refuses with the whole transaction.
void DragAndDropHelper::importFile(const QueuedFile& file)
{
    if (!file.object || file.object->type() == DragAndDropDocumentType::unsupported) {
        fileImported(currentIndex_);
        return;
    }
    const auto& data = file.object->data();
    if (!data || data->empty()) {
        refuse(file, Refusal::unreadable);
        return;
    }
    if (platform::graphics::DocumentConverter::isTooLarge(file.fileName, data->size())) {
        refuse(file, Refusal::textTooLarge);
        return;
    }
    switch (file.object->type()) {
    case DragAndDropDocumentType::pdf:
        if (!isReadablePdf(*data)) {
            refuse(file, Refusal::unreadable);
            return;
        }
        break;
    case DragAndDropDocumentType::image:
        redrawOnWorker(file);
        return;
    default:
        break;
    }
    addDocument(file, *data, {0, 0});
}

// Decoding and redrawing a camera photo takes tens of milliseconds, so it runs on a worker
// thread that sees only the picture's bytes; the batch goes on back on the main thread.
void DragAndDropHelper::redrawOnWorker(const QueuedFile& file)
{
    try {
        // The importer is only carried back, never left to end on the worker.
        auto work = [self = shared_from_this(), index = currentIndex_, picture = file.object]() mutable {
            auto failure = DroppedImageRedraw::Failure::unreadable;
            auto redrawn = DroppedImageRedraw::redraw(*picture->data(), failure);
            platform::RunLoop::main().dispatchAsync(
                [self = std::move(self), index, redrawn = std::move(redrawn), failure] {
                    self->pictureRedrawn(index, redrawn, failure);
                });
        };
        platform::BackgroundWork::start(std::move(work));
    } catch (const std::system_error&) {
        // Without a spare thread the picture is redrawn here, as slowly as ever.
        auto failure = DroppedImageRedraw::Failure::unreadable;
        const auto redrawn = DroppedImageRedraw::redraw(*file.object->data(), failure);
        addRedrawn(file, redrawn, failure);
    }
}

void DragAndDropHelper::pictureRedrawn(int index, const std::optional<DroppedImageRedraw::Result>& redrawn,
                                       DroppedImageRedraw::Failure failure)
{
    platform::RunLoop::main().assertMainThread("A dropped picture's redraw");
    if (!isRunning_ || index != currentIndex_) {
        return;
    }
    const QueuedFile& file = files_[index];
    if (handOver([&] { addRedrawn(file, redrawn, failure); })) {
        ++currentIndex_;
        importDocumentsFromCurrentIndex();
    }
}

void DragAndDropHelper::addRedrawn(const QueuedFile& file, const std::optional<DroppedImageRedraw::Result>& redrawn,
                                   DroppedImageRedraw::Failure failure)
{
    if (redrawn) {
        addDocument(file, redrawn->jpeg, redrawn->size);
        return;
    }
    refuse(file, failure == DroppedImageRedraw::Failure::tooLarge ? Refusal::pictureTooLarge : Refusal::unreadable);
}

void DragAndDropHelper::refuse(const QueuedFile& file, Refusal reason)
{
    refusedFiles_.push_back(refused(file.fileName, reason));
    fileImported(currentIndex_);
}

DragAndDropHelper::RefusedFile DragAndDropHelper::refused(const std::string& fileName, Refusal reason)
{
    const auto documentName = DocumentFileImport::documentNameOfFile(fileName);
    return {VLTNewTransactionViewModel::displayNameOfDocumentNamed(documentName), reason};
}

void DragAndDropHelper::addDocument(const QueuedFile& file, const DragAndDropDocument::Bytes& data,
                                    const platform::graphics::Size& size)
{
    // A picture redrawn after the model left the transaction it was dropped on.
    if (!isComposing()) {
        fileImported(currentIndex_);
        return;
    }
    // The model is held until it answers, so its answer always comes.
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    model->addDocumentWithNameAtIndexDataAndSizeCompletion(
        file.fileName, file.fileIndex, data, size,
        [self = shared_from_this(), model, index = currentIndex_, name = file.fileName](
            const std::optional<Dictionary>& result) {
            if (!result && self->isRunning_ && index == self->currentIndex_) {
                self->refusedFiles_.push_back(refused(name, Refusal::unreadable));
            }
            self->fileImported(index);
        });
}

void DragAndDropHelper::fileImported(int index)
{
    if (!isRunning_ || index != currentIndex_) {
        return;
    }
    if (handingOver_) {
        answeredWhileHandingOver_ = true;
        return;
    }
    ++currentIndex_;
    importDocumentsFromCurrentIndex();
}

void DragAndDropHelper::finishDocuments()
{
    const auto keepAlive = shared_from_this();
    // Refusals from a transaction the sender has left would only puzzle them.
    if (!isComposing()) {
        refusedFiles_.clear();
    }
    if (documentsCompletion_) {
        documentsCompletion_(refusedFiles_);
    }
    reset();
}

bool DragAndDropHelper::addContacts(const Contacts& contacts, const std::vector<int>& atPositions)
{
    if (contacts.empty() || atPositions.size() < contacts.size() || isRunning_) {
        return false;
    }
    for (std::size_t index = 0; index < contacts.size(); ++index) {
        contacts_.push_back({contacts[index], atPositions[index]});
    }
    return true;
}

void DragAndDropHelper::startImportingContacts(ContactsCompletion completion)
{
    if (isRunning_) {
        return;
    }
    isRunning_ = true;
    // The model places each recipient itself, so the queued positions are not passed on.
    std::vector<Dictionary> inputs;
    inputs.reserve(contacts_.size());
    for (const QueuedContact& queued : contacts_) {
        inputs.push_back(signerInputForContact(queued.contact));
    }
    numberOfContactsAdded_ = VLTNewTransactionViewModel::sharedInstance()->addSigners(inputs);
    finishContacts(completion);
}

void DragAndDropHelper::finishContacts(const ContactsCompletion& completion)
{
    const auto keepAlive = shared_from_this();
    if (completion) {
        completion(static_cast<int>(contacts_.size()), numberOfContactsAdded_);
    }
    reset();
}

Dictionary DragAndDropHelper::signerInputForContact(const platform::contacts::Contact& contact)
{
    Dictionary input{{"firstName", contact.givenName}, {"lastName", contact.familyName}};
    if (!contact.emailAddresses.empty()) {
        input["email"] = contact.emailAddresses.front().value;
    }
    input["company"] = contact.organizationName;
    input["title"] = contact.jobTitle;
    input["allowSignerChange"] = false;
    input["authentication"] = *generateAuthenticationDictionary(SignerAuthenticationMethod::Email{});
    return input;
}

void DragAndDropHelper::reset()
{
    files_.clear();
    currentIndex_ = -1;
    contacts_.clear();
    numberOfContactsAdded_ = 0;
    isRunning_ = false;
    documentsCompletion_ = nullptr;
    refusedFiles_.clear();
}
