#include "composer/DragAndDropHelper.h"

#include "composer/DroppedImageRedraw.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "graphics/PdfDocument.h"
#include "signers/SignerAuthenticationDictionary.h"

namespace {

constexpr int kNoPosition = -1;

// A PDF the hub could show: it opens and its first page has a size.
bool isReadablePdf(const DragAndDropDocument::Bytes& data)
{
    const auto pdf = platform::graphics::PdfDocument::open(data);
    return pdf && pdf->pageCount() > 0 && pdf->pageSize(0).has_value();
}

} // namespace

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
    importDocumentsFromCurrentIndex();
}

void DragAndDropHelper::importDocumentsFromCurrentIndex()
{
    while (currentIndex_ < static_cast<int>(files_.size())) {
        handingOver_ = true;
        answeredWhileHandingOver_ = false;
        importFile(files_[currentIndex_]);
        handingOver_ = false;
        if (!answeredWhileHandingOver_) {
            return;
        }
        ++currentIndex_;
    }
    finishDocuments();
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
        refuse(file);
        return;
    }
    switch (file.object->type()) {
    case DragAndDropDocumentType::pdf:
        if (!isReadablePdf(*data)) {
            refuse(file);
            return;
        }
        break;
    case DragAndDropDocumentType::image:
        if (const auto redrawn = DroppedImageRedraw::redraw(*data)) {
            addDocument(file, redrawn->jpeg, redrawn->size);
        } else {
            refuse(file);
        }
        return;
    default:
        break;
    }
    addDocument(file, *data, {0, 0});
}

void DragAndDropHelper::refuse(const QueuedFile& file)
{
    refusedFileNames_.push_back(file.fileName);
    fileImported(currentIndex_);
}

void DragAndDropHelper::addDocument(const QueuedFile& file, const DragAndDropDocument::Bytes& data,
                                    const platform::graphics::Size& size)
{
    // The model is held until it answers, so its answer always comes.
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    model->addDocumentWithNameAtIndexDataAndSizeCompletion(
        file.fileName, file.fileIndex, data, size,
        [self = shared_from_this(), model, index = currentIndex_, name = file.fileName](
            const std::optional<Dictionary>& result) {
            if (!result && self->isRunning_ && index == self->currentIndex_) {
                self->refusedFileNames_.push_back(name);
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
    if (documentsCompletion_) {
        documentsCompletion_(refusedFileNames_);
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
    refusedFileNames_.clear();
}
