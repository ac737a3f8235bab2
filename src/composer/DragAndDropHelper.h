#pragma once

#include "composer/DragAndDropDocument.h"
#include "composer/DroppedImageRedraw.h"
#include "composer/VLTNewTransactionViewModel.h"
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
// Threads: main thread only, driven there by its owner; the model and the store it reaches
// refuse other threads. A dropped picture is decoded, redrawn and encoded on a worker
// thread that reads the picture's bytes and touches nothing of the importer; its result
// comes back to the main thread, and only there is the queue touched or the model called.
// The batch waits for that result, so items still join in queued order. A document batch
// goes on, and ends, where the model's answer arrives: on the main thread. Nothing is
// locked. Lives in a shared pointer; a running batch, a picture on a worker included,
// keeps its importer alive until the batch has ended.
//
// An importer belongs to the transaction the shared model composes when it is made: once
// the model is primed anew (the host loads or starts another transaction), what is still
// to come of the batch is dropped without a word, so nothing of it joins another draft;
// the batch's completion still runs, naming no refused file.
class DragAndDropHelper : public std::enable_shared_from_this<DragAndDropHelper> {
public:
    using Documents = std::vector<std::shared_ptr<DragAndDropDocument>>;
    using Contacts = std::vector<platform::contacts::Contact>;
    // Why a file was not added.
    enum class Refusal { unreadable, textTooLarge, pictureTooLarge };
    struct RefusedFile {
        // The name the document list would have given it.
        std::string name;
        Refusal reason;
    };
    // Hears the files refused, in queued order.
    using DocumentsCompletion = std::function<void(const std::vector<RefusedFile>& refusedFiles)>;
    using ContactsCompletion = std::function<void(int total, int added)>;

    DragAndDropHelper();

    // Queues documents, each with its name and, when `indexes` is given, its place in the
    // document list (else the top). Refused, queueing nothing, for no files, fewer names
    // than files, positions not one per name, or while a batch runs.
    bool addFiles(const Documents& files, const std::vector<std::string>& fileNames,
                  const std::optional<std::vector<int>>& indexes);
    // PDF, RTF, HTML and text go to the model as they are, pictures redrawn; items of an
    // unknown type add nothing. Each file is named as the model would name it were every
    // queued file added, so a refused one keeps a name of its own. A file that cannot be
    // read (no bytes, a PDF that does not open or has no page, a picture that does not
    // decode), one too large (a text file over the converter's limit, a picture over the
    // decoder's budget) and one the model could not add are refused: they add nothing and
    // the completion names them. A start while a batch runs is ignored; a start with
    // nothing queued completes at once.
    void startImportingDocuments(DocumentsCompletion completion);

    // Queues contacts, each with its position in the recipient list. Refused for no
    // contacts, fewer positions than contacts, or while a batch runs.
    bool addContacts(const Contacts& contacts, const std::vector<int>& atPositions);
    // The model takes them as one batch, so the screens redraw once; the completion hears
    // how many contacts were queued and how many the model took.
    void startImportingContacts(ContactsCompletion completion);

    // Whether the shared model still composes the transaction the importer was made for.
    bool isComposing() const;

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
    // Runs one step of the batch; answers whether the item was answered for during it.
    bool handOver(const std::function<void()>& step);
    void numberFileNames();
    void redrawOnWorker(const QueuedFile& file);
    void pictureRedrawn(int index, const std::optional<DroppedImageRedraw::Result>& redrawn,
                        DroppedImageRedraw::Failure failure);
    void addRedrawn(const QueuedFile& file, const std::optional<DroppedImageRedraw::Result>& redrawn,
                    DroppedImageRedraw::Failure failure);
    void addDocument(const QueuedFile& file, const DragAndDropDocument::Bytes& data,
                     const platform::graphics::Size& size);
    void refuse(const QueuedFile& file, Refusal reason);
    static RefusedFile refused(const std::string& fileName, Refusal reason);
    void fileImported(int index);
    void finishDocuments();
    void finishContacts(const ContactsCompletion& completion);
    void reset();

    const VLTNewTransactionViewModel::Composition composition_;
    std::vector<QueuedFile> files_;
    int currentIndex_ = -1;
    std::vector<QueuedContact> contacts_;
    int numberOfContactsAdded_ = 0;
    bool isRunning_ = false;
    DocumentsCompletion documentsCompletion_;
    std::vector<RefusedFile> refusedFiles_;
    // While an item is being handed to the model: an answer that comes back at once is
    // noted here and the batch goes on in a loop, so a long batch of items answered at
    // once never deepens the stack.
    bool handingOver_ = false;
    bool answeredWhileHandingOver_ = false;
};
