#pragma once

#include "foundation/Date.h"
#include "foundation/Dictionary.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class VTDocument;
class VTSigner;

// A transaction that the host or the composer builds from PDFs and recipients, started
// as a local draft or written into the stored transaction it was rebuilt from.
// Used on the main thread.
class VTTransaction {
public:
    using Callback = std::function<void(const Dictionary&)>;

    // An empty builder: no GUID, no documents, no recipients.
    VTTransaction() = default;

    // A builder rebuilt from the stored transaction of that GUID (matched ignoring case),
    // or nullptr when none is stored.
    static std::shared_ptr<VTTransaction> transactionForGUID(const std::optional<std::string>& guid);

    const std::optional<std::string>& name() const { return name_; }
    void setName(std::optional<std::string> value) { name_ = std::move(value); }
    // The stored transaction's GUID; empty for a transaction never started or committed.
    const std::optional<std::string>& guid() const { return guid_; }
    const std::optional<std::string>& desc() const { return desc_; }
    void setDesc(std::optional<std::string> value) { desc_ = std::move(value); }
    const std::optional<platform::Date>& expiry() const { return expiry_; }
    void setExpiry(std::optional<platform::Date> value) { expiry_ = value; }
    // The message to all recipients.
    const std::optional<std::string>& emailMessage() const { return emailMessage_; }
    void setEmailMessage(std::optional<std::string> value) { emailMessage_ = std::move(value); }
    bool isInPerson() const { return inPerson_; }
    void setInPerson(bool value) { inPerson_ = value; }
    bool autocomplete() const { return autocomplete_; }
    void setAutocomplete(bool value) { autocomplete_ = value; }
    bool orderSigning() const { return orderSigning_; }
    // Switching ordered signing off first moves the signed-in user's own recipient to the
    // first place.
    void setOrderSigning(bool value);
    // Set by a successful `startEditingWithCallback`.
    bool draft() const { return draft_; }
    // Set when the signed-in user's own recipient is added.
    bool senderVisible() const { return senderVisible_; }

    // The builder's own lists, valid until it next changes them: a caller that adds or
    // removes while going through one takes a copy first.
    const std::vector<std::shared_ptr<VTSigner>>& signers() const { return signers_; }
    const std::vector<std::shared_ptr<VTDocument>>& documents() const { return documents_; }

    // Appends the recipient; the signed-in user's own recipient (not a group) goes to the
    // first place instead while ordered signing is off. A null signer changes nothing.
    void addSigner(const std::shared_ptr<VTSigner>& signer);
    // Indices out of range change nothing. For a builder rebuilt from the store the
    // matching stored participant is deleted too.
    void removeSignerWithIndex(int index);
    void changePlaceOfSignerWithIndexToIndex(int from, int to);

    // The document gets a name unique among the documents, then is appended or inserted
    // (an index past the end appends, a negative one inserts first).
    void addDocument(const std::shared_ptr<VTDocument>& document);
    void addDocumentAtIndex(const std::shared_ptr<VTDocument>& document, int index);
    // Indices out of range change nothing. For a builder rebuilt from the store the
    // stored document is deleted too.
    void removeDocumentWithIndex(int index);
    void changePlaceOfDocumentWithIndexToIndex(int from, int to);

    // The first of currentName, docName(number), docName(number + 1) ... that no document
    // of the builder carries. The counter goes before a trailing ".pdf".
    std::string getGoodDocNameCurrentNameAndNumber(const std::string& docName, const std::string& currentName,
                                                   int number) const;
    // "name(3)", or "name(3).pdf" for "name.pdf": the numbered names given above.
    static std::string numberedDocumentName(const std::string& name, int number);

    // Stores the builder as a local draft (all or nothing); once stored, marks the builder
    // as a draft, makes it the current transaction and opens it on the ceremony screens.
    // A failed start leaves the builder as it was. Calls back
    // {"status": "success", "guid", "transaction": {"guid", "desc", "name", "status",
    // "type", "due" when set}} or {"status": "failed", "error"}.
    void startEditingWithCallback(const Callback& callback);
    // Writes the edits into the stored transaction (a builder without GUID is stored as a
    // new local transaction) and calls back {"status": "success", "guid", "transaction"}
    // or {"status": "failed", "error"}. A name empty after trimming stores nothing and
    // does not call back.
    void commitUpdatesWithCallback(const Callback& callback);

private:
    friend class VTTransactionStoreWriter;
    friend class VTTransactionStoreReader;

    std::optional<std::string> name_;
    std::optional<std::string> guid_;
    std::optional<std::string> desc_;
    std::optional<platform::Date> expiry_;
    std::optional<std::string> emailMessage_;
    bool inPerson_ = false;
    bool autocomplete_ = false;
    bool orderSigning_ = false;
    bool draft_ = false;
    bool senderVisible_ = false;
    bool rebuiltFromStore_ = false;
    std::vector<std::shared_ptr<VTSigner>> signers_;
    std::vector<std::shared_ptr<VTDocument>> documents_;
};
