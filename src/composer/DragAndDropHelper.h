#pragma once

#include "composer/DragAndDropDocument.h"
#include "contacts/Contact.h"
#include "foundation/Dictionary.h"
#include "graphics/Geometry.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Turns what a user drops on the composer into content of the new transaction: dropped
// documents become documents and dropped contact cards recipients, through the shared
// new-transaction model. It works one batch at a time and one item at a time in queued
// order: the next document starts only when the model has answered for the previous
// one. At the end of a batch it calls the batch's completion once and is idle again.
//
// Threads: driven from the main thread by its owner. A document batch goes on, and
// ends, on the thread where the model's answer arrives; the model answers on the main
// thread. Nothing is locked: only the running batch touches the queue. Lives in a shared
// pointer; a running batch keeps its importer alive until the batch has ended.
class DragAndDropHelper : public std::enable_shared_from_this<DragAndDropHelper> {
public:
    using Documents = std::vector<std::shared_ptr<DragAndDropDocument>>;
    using Contacts = std::vector<platform::contacts::Contact>;
    // Hears the names of the files refused, in queued order.
    using DocumentsCompletion = std::function<void(const std::vector<std::string>& refusedFileNames)>;
    using ContactsCompletion = std::function<void(int total, int added)>;

    // Queues documents, each with its name and, when `indexes` is given, its place in the
    // document list (else the top). Refused, queueing nothing, for no files, fewer names
    // than files, positions not one per name, or while a batch runs.
    bool addFiles(const Documents& files, const std::vector<std::string>& fileNames,
                  const std::optional<std::vector<int>>& indexes);
    // PDF, RTF, HTML and text go to the model as they are, pictures redrawn; items of an
    // unknown type add nothing. A file that cannot be read (no bytes, a PDF that does not
    // open or has no page, a picture that does not decode) and one the model could not
    // add are refused: they add nothing and the completion names them. A start while a
    // batch runs is ignored; a start with nothing queued completes at once.
    void startImportingDocuments(DocumentsCompletion completion);

    // Queues contacts, each with its position in the recipient list. Refused for no
    // contacts, fewer positions than contacts, or while a batch runs.
    bool addContacts(const Contacts& contacts, const std::vector<int>& atPositions);
    // The model takes them as one batch, so the screens redraw once; the completion hears
    // how many contacts were queued and how many the model took.
    void startImportingContacts(ContactsCompletion completion);

    // The recipient a contact card becomes, before the model's checks.
    static Dictionary signerInputForContact(const platform::contacts::Contact& contact);

private:
    struct QueuedFile {
        std::shared_ptr<DragAndDropDocument> object;
        std::string fileName;
        // -1: no place given.
        int fileIndex;
    };
    struct QueuedContact {
        platform::contacts::Contact contact;
        int position;
    };

    void importDocumentsFromCurrentIndex();
    void importFile(const QueuedFile& file);
    void addDocument(const QueuedFile& file, const DragAndDropDocument::Bytes& data,
                     const platform::graphics::Size& size);
    void refuse(const QueuedFile& file);
    void fileImported(int index);
    void finishDocuments();
    void finishContacts(const ContactsCompletion& completion);
    void reset();

    std::vector<QueuedFile> files_;
    int currentIndex_ = -1;
    std::vector<QueuedContact> contacts_;
    int numberOfContactsAdded_ = 0;
    bool isRunning_ = false;
    DocumentsCompletion documentsCompletion_;
    std::vector<std::string> refusedFileNames_;
    // While an item is being handed to the model: an answer that comes back at once is
    // noted here and the batch goes on in a loop, so a long batch of items answered at
    // once never deepens the stack.
    bool handingOver_ = false;
    bool answeredWhileHandingOver_ = false;
};
