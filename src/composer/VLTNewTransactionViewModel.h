#pragma once

#include "composer/VLTNewTransactionViewModelDelegate.h"
#include "foundation/Date.h"
#include "foundation/Dictionary.h"
#include "graphics/Geometry.h"
#include "model/ZKGroup.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SignerRoleNumbering;
class VTSigner;
class VTTransaction;

// The one model behind every create/edit-transaction and signer-setup screen. It holds
// the transaction being composed and answers the screens in plain dictionaries and
// integer codes, so no screen touches the builder objects. Used on the main thread;
// results of the facade, the builder and the group fetch may arrive on other threads.
//
// Dictionaries it exchanges:
// - signer row (dataForSignerWithIndex): "firstName", "lastName", "email", "emailDisplay",
//   "title", "company", "displayName", "index", "authentication", "emailMessage",
//   "placeholder", "allowSignerChange", "group", "role";
// - signer input (add and replace): "group", "firstName", "lastName", "email", "company",
//   "title", "role", "emailMessage", "allowSignerChange", "isCurrentSignerMember",
//   "authentication" (see signers/SignerAuthenticationDictionary.h);
// - document: "displayName", "path".
class VLTNewTransactionViewModel : public std::enable_shared_from_this<VLTNewTransactionViewModel> {
public:
    // Codes of the recipient operations.
    enum RecipientCode : int {
        accepted = 0,
        firstNameMissing = 1,
        lastNameMissing = 2,
        emailMissing = 3,
        emailMalformed = 4,
        signerAlreadyAdded = 5,
    };
    // Codes of startNewTransaction.
    enum StartCode : int {
        started = 0,
        noRecipients = 1,
        noDocuments = 2,
        noName = 3,
        transactionNotStored = 4,
        // The builder could not store the draft (a document's PDF unreadable, the store
        // unavailable): nothing was stored and the builder is as it was, not a draft.
        startFailed = 5,
    };
    // "Not found" of the index look-ups.
    static constexpr std::uint64_t kNotFound = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    static constexpr const char* kListOfGroupsDidChangeNotification =
        "com.Veltra.iOS.SDK.CreateNewTransactionViewModel.ListOfGroupsDidChangeNotification";

    using Groups = std::vector<std::shared_ptr<ZKGroup>>;
    // Receives the error dictionary of a failed load, or nothing.
    using LoadCallback = std::function<void(const std::optional<Dictionary>& error)>;
    using Completion = std::function<void(const std::optional<Dictionary>& result)>;
    // Receives the committed transaction's details, or the failure {"status": "failed",
    // "error": error}; only a failure holds "error".
    using DetailsCallback = std::function<void(const Dictionary& details)>;
    // Receives what kept a start from storing the draft, as the store describes it.
    using StartFailure = std::function<void(const std::string& description)>;

    // The shared model (reset with platform::SharedInstances).
    static std::shared_ptr<VLTNewTransactionViewModel> sharedInstance();
    VLTNewTransactionViewModel();

    const std::shared_ptr<VTTransaction>& transaction() const { return transaction_; }
    const std::optional<std::string>& guid() const { return guid_; }
    // Held weakly: a screen that goes away stops hearing the model.
    std::shared_ptr<VLTNewTransactionViewModelDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<VLTNewTransactionViewModelDelegate>& delegate) { delegate_ = delegate; }

    // Recipients.
    int signersNumber() const;
    // Empty for an index out of range.
    Dictionary dataForSignerWithIndex(int index) const;
    int validateSignerData(const Dictionary& input) const;
    // The index is not used: the builder decides where the new recipient goes.
    int addSignerAtIndex(const Dictionary& input, int index);
    // Adds each recipient in turn as addSignerAtIndex would, and tells the delegate once
    // for the whole batch; an empty batch changes nothing and tells nobody. Returns how
    // many were added.
    int addSigners(const std::vector<Dictionary>& inputs);
    // An index that names no recipient (kNotFound or past the end) adds instead.
    int addSignerReplaceAtIndex(const Dictionary& input, std::uint64_t index);
    int addSignerReplaceExisitngSignerEmail(const Dictionary& input, const std::optional<std::string>& email);
    int addSignerReplaceExisitngGroupWithEmail(const Dictionary& input, const std::optional<std::string>& email);
    int addSignerReplaceExisitngGroupWithID(const Dictionary& input, const std::optional<std::string>& groupID);
    void removeSignerWithIndex(int index);
    void changePlaceOfSignerWithIndexToIndex(int from, int to);
    void setOrderSigning(bool orderSigning);
    bool orderedSigning() const;

    bool isSignerAdded(const Dictionary& input) const;
    bool isSignerGroup(const std::shared_ptr<VTSigner>& signer) const;
    bool isGroupEnabledForUser(const std::shared_ptr<VTSigner>& signer) const;
    bool hasPlaceholder() const;
    std::uint64_t indexOfSignerWithEmailIsGroup(const std::optional<std::string>& email, bool isGroup) const;
    std::uint64_t indexOfSignerWithGroupID(const std::optional<std::string>& groupID) const;
    std::vector<std::string> idsForAddedGroups() const;
    std::vector<std::string> emailsForAddedGroups() const;
    Groups getAvailableGroups() const;
    void setAuthDataForSigner(const Dictionary& input, const std::shared_ptr<VTSigner>& signer) const;
    void updateSignerWithDictionary(const std::shared_ptr<VTSigner>& signer, const Dictionary& dictionary) const;
    // Always nothing: screens take a recipient's authentication from its row.
    std::optional<Dictionary> authenticationDictionaryForSignerWithIndex(int index) const;
    Dictionary identityInfo() const;
    bool isMe(const std::optional<std::string>& email) const;
    static bool isValidEmail(const std::optional<std::string>& email);
    bool isTransactionEditable() const { return true; }

    // Authentication checks.
    int validateQuestion1Answer1Question2Answer2(const std::optional<std::string>& question1,
                                                 const std::optional<std::string>& answer1,
                                                 const std::optional<std::string>& question2,
                                                 const std::optional<std::string>& answer2) const;
    int validateCellPhoneNumberCountryCode(const std::optional<std::string>& number,
                                           const std::string& countryCode) const;
    int validateCellPhoneNumberUpdatedPhoneNumberCountryCode(const std::string& number, std::string& updatedPhoneNumber,
                                                             const std::string& countryCode) const;
    int validateForEmbargoedCountries(const std::string& number) const;
    // The number laid out by the bundled phone rules, its digits in ASCII whatever their
    // script; text longer than TypedPhoneNumber::kMaxLength comes back as it is.
    std::optional<std::string> updatedCellPhoneNumberFromPhoneNumber(const std::optional<std::string>& number) const;

    // Which transaction is being composed: priming anew (any of the first three below)
    // starts another composition. Work that outlives a composition (a load, a dropped
    // file's redraw or conversion) is checked against it and dropped when stale.
    using Composition = std::uint64_t;
    Composition composition() const { return priming_; }
    bool isCurrentComposition(Composition composition) const { return composition == priming_; }

    // Priming and loading. Priming anew (any of the first three) makes the answer of a
    // load still under way stale: it is dropped and its callback never called.
    void clearNewTransactionData();
    void setTransaction(std::shared_ptr<VTTransaction> transaction);
    void setTransactionGUID(const std::optional<std::string>& guid);
    // The callbacks run on the thread the facade answers on; an empty one is skipped.
    void loadDataForTransactionWithCallback(const LoadCallback& callback);
    void reloadTransactionWithCallback(const LoadCallback& callback);
    void reloadTransaction();
    void loadDataForTransactionWithGUIDWithCallback(const std::string& guid, const std::function<void()>& callback);
    std::optional<std::string> transactionId() const;
    Dictionary currentTransactionInfo() const;

    // Documents.
    int documentsNumber() const;
    // Empty for an index out of range.
    Dictionary displayDataForDocumentWithIndex(int index) const;
    std::optional<std::string> nameOfDocumentWithIndex(int index) const;
    std::optional<std::vector<std::uint8_t>> dataForDocumentWithIndex(int index) const;
    void addDocument(const Dictionary& document);
    void addDocumentAtIndex(const Dictionary& document, int index);
    // The name a document of that name is listed under.
    static std::string displayNameOfDocumentNamed(const std::string& name);
    // The names under which these files, imported one after another, would each become a
    // document of a name of its own: a name the held documents or an earlier file take is
    // numbered as the builder numbers a repeated one.
    std::vector<std::string> fileNamesNumberedInTurn(const std::vector<std::string>& fileNames) const;
    // Imports a file as a PDF document; the completion gets {"status": true} or, when the
    // file could not be stored or converted, or the model was primed anew meanwhile (the
    // converted file is then removed), nothing.
    void addDocumentWithNameAtIndexDataAndSizeCompletion(const std::string& name, int index,
                                                         const std::vector<std::uint8_t>& data,
                                                         const platform::graphics::Size& size,
                                                         const Completion& completion);
    void addPDFDocumentWithNameAndPathAtIndexCompletion(const std::string& name, const std::string& path, int index,
                                                        const Completion& completion);
    void removeDocumentWithIndex(int index);
    void changePlaceOfDocumentWithIndexToIndex(int from, int to);

    // Transaction settings.
    std::optional<std::string> title() const;
    void setTitle(const std::optional<std::string>& title);
    std::optional<std::string> transactionDescription() const;
    void setTransactionDescription(const std::optional<std::string>& description);
    std::optional<platform::Date> transactionExpiry() const;
    void setTransactionExpiry(const std::optional<platform::Date>& expiry);
    std::optional<std::string> emailMessage() const;
    void setEmailMessage(const std::optional<std::string>& message);
    bool inPerson() const;
    void setInPerson(bool inPerson);
    bool autoComplete() const;
    void setAutoComplete(bool autoComplete);

    // Leaving the composer.
    // A start that the builder could not store (startFailed) also tells `failed` why.
    int startNewTransaction(const StartFailure& failed = nullptr);
    // The host's delegate and then the callback hear the outcome on the main thread: the
    // details of the stored transaction (queued for synchronisation 0.1 s later), or the
    // failure. A name empty after trimming stores nothing and nobody hears anything.
    void commitUpdatesWithCallback(const DetailsCallback& callback);
    // The description of the error of a failed start or commit reply; nothing for a reply
    // that stored.
    static std::optional<std::string> failureDescriptionOf(const Dictionary& reply);

    // Signing groups of the account.
    void updateGroups();
    void setGroups(const std::optional<Groups>& groups);
    void removeAllGroups();
    static bool isMemberForGroup(const std::optional<std::string>& email, const Dictionary& group);
    const Groups& groups() const { return groups_; }

private:
    const std::vector<std::shared_ptr<VTSigner>>& signers() const;
    std::shared_ptr<VTSigner> signerAt(std::int64_t index) const;
    int replaceSignerAtIndex(const Dictionary& input, std::size_t index);
    int addOrReplaceSignerFoundAt(const Dictionary& input, const std::optional<std::string>& key,
                                  std::uint64_t index);
    // The checks of validateSignerData that need no other recipient.
    static int validateSignerFields(const Dictionary& input);
    std::shared_ptr<VTSigner> makeSigner(const Dictionary& input, SignerRoleNumbering& roles) const;
    void holdStoredTransaction(const std::string& guid);
    // How a load asks the facade for a transaction: the GUID, then where the reply goes.
    using TransactionRead =
        std::function<void(const std::string& guid, const std::function<void(const Dictionary&)>& reply)>;
    // Reads the primed GUID's transaction; the reply is passed on unless the model was
    // primed anew meanwhile.
    void loadPrimedTransaction(const LoadCallback& callback, const TransactionRead& read);
    void passOnLoadReply(const std::string& guid, const Dictionary& reply, const LoadCallback& callback);
    void sendDraftDetails(const Dictionary& startResult) const;
    void finishCommit(const std::string& guid, const Dictionary& transaction, const DetailsCallback& callback) const;
    static void reportFailedCommit(const Dictionary& failure, const DetailsCallback& callback);
    void notifyDelegate(void (VLTNewTransactionViewModelDelegate::*message)()) const;

    std::shared_ptr<VTTransaction> transaction_;
    std::optional<std::string> guid_;
    // Counts the primings, so a load can tell whether its answer is still wanted.
    std::uint64_t priming_ = 0;
    std::weak_ptr<VLTNewTransactionViewModelDelegate> delegate_;
    Groups groups_;
};
