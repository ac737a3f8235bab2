#include "composer/VLTNewTransactionViewModel.h"

#include "composer/CellPhoneNumberRules.h"
#include "composer/DocumentFileImport.h"
#include "composer/DraftDetails.h"
#include "composer/QuestionAndAnswerRules.h"
#include "composer/RecipientDomains.h"
#include "composer/SignerRoleNumbering.h"
#include "composer/SignerRowDictionary.h"
#include "composer/SigningGroupsReply.h"
#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKTransactionManager.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"
#include "foundation/Text.h"
#include "sdk/VTDocument.h"
#include "sdk/VTEmailAddressFormat.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/VTFacadeServices.h"
#include "sdk/VeltraDelegate.h"
#include "support/ZKError.h"
#include "service/ZKIdentity.h"
#include "signers/KWPhoneFormat.h"
#include "signers/TypedPhoneNumber.h"
#include "store/ZKFileManager.h"
#include "support/MainQueue.h"

#include <algorithm>
#include <unordered_set>

namespace {

using platform::dictionary::booleanOrNumberAt;
using platform::dictionary::objectAt;
using platform::dictionary::stringAt;

bool isBlank(const std::optional<std::string>& text)
{
    return !text || platform::text::trimWhitespace(*text).empty();
}

std::optional<std::string> trimmed(const std::optional<std::string>& text)
{
    return text ? std::optional(platform::text::trimWhitespace(*text)) : std::nullopt;
}

bool contains(const std::string& text, const char* fragment)
{
    return text.find(fragment) != std::string::npos;
}

std::optional<std::string> signedInEmail()
{
    return ZKIdentity::sharedInstance()->email();
}

void answer(const VLTNewTransactionViewModel::LoadCallback& callback, const std::optional<Dictionary>& error)
{
    if (callback) {
        callback(error);
    }
}

} // namespace

std::shared_ptr<VLTNewTransactionViewModel> VLTNewTransactionViewModel::sharedInstance()
{
    return platform::SharedInstance<VLTNewTransactionViewModel>::get();
}

VLTNewTransactionViewModel::VLTNewTransactionViewModel()
{
    clearNewTransactionData();
}

// Recipients

const std::vector<std::shared_ptr<VTSigner>>& VLTNewTransactionViewModel::signers() const
{
    static const std::vector<std::shared_ptr<VTSigner>> none;
    return transaction_ ? transaction_->signers() : none;
}

std::shared_ptr<VTSigner> VLTNewTransactionViewModel::signerAt(std::int64_t index) const
{
    const auto& all = signers();
    if (index < 0 || index >= static_cast<std::int64_t>(all.size())) {
        return nullptr;
    }
    return all[static_cast<std::size_t>(index)];
}

int VLTNewTransactionViewModel::signersNumber() const
{
    return transaction_ ? static_cast<int>(transaction_->signers().size()) : 0;
}

Dictionary VLTNewTransactionViewModel::dataForSignerWithIndex(int index) const
{
    const auto signer = signerAt(index);
    return signer ? SignerRowDictionary::make(*signer, index) : Dictionary::object();
}

int VLTNewTransactionViewModel::validateSignerData(const Dictionary& input) const
{
    const int code = validateSignerFields(input);
    if (code != accepted) {
        return code;
    }
    return isSignerAdded(input) ? signerAlreadyAdded : accepted;
}

int VLTNewTransactionViewModel::validateSignerFields(const Dictionary& input)
{
    if (!booleanOrNumberAt(input, "group")) {
        if (isBlank(stringAt(input, "firstName"))) {
            return firstNameMissing;
        }
        if (isBlank(stringAt(input, "lastName"))) {
            return lastNameMissing;
        }
        const auto email = stringAt(input, "email");
        if (!email || email->empty()) {
            return emailMissing;
        }
        if (!isValidEmail(email)) {
            return emailMalformed;
        }
    }
    return accepted;
}

std::shared_ptr<VTSigner> VLTNewTransactionViewModel::makeSigner(const Dictionary& input,
                                                                 SignerRoleNumbering& roles) const
{
    auto role = stringAt(input, "role");
    if (role) {
        roles.take(*role);
    } else {
        role = roles.takeFreeRole();
    }
    auto signer = VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        trimmed(stringAt(input, "firstName")), trimmed(stringAt(input, "lastName")), stringAt(input, "email"),
        trimmed(stringAt(input, "company")), trimmed(stringAt(input, "title")), role);
    signer->setEmailMessage(stringAt(input, "emailMessage"));
    signer->setAllowChangeSigners(booleanOrNumberAt(input, "allowSignerChange"));
    if (booleanOrNumberAt(input, "isCurrentSignerMember")) {
        signer->setIsGroupContainingSender(true);
    }
    setAuthDataForSigner(input, signer);
    return signer;
}

int VLTNewTransactionViewModel::addSignerAtIndex(const Dictionary& input, int index)
{
    (void)index;
    const int code = validateSignerData(input);
    if (code == accepted && transaction_) {
        SignerRoleNumbering roles(signers());
        transaction_->addSigner(makeSigner(input, roles));
    }
    notifyDelegate(&VLTNewTransactionViewModelDelegate::signersHaveBeenUpdated);
    return code;
}

// Each check and default role of a single addition reads every recipient; a batch reads
// them once, and the screens redraw once for it.
int VLTNewTransactionViewModel::addSigners(const std::vector<Dictionary>& inputs)
{
    if (inputs.empty()) {
        return 0;
    }
    int added = 0;
    if (transaction_) {
        SignerRoleNumbering roles(signers());
        std::unordered_set<std::string> emails;
        for (const auto& signer : signers()) {
            emails.insert(signer->email());
        }
        for (const auto& input : inputs) {
            if (validateSignerFields(input) != accepted) {
                continue;
            }
            // Only a known address needs the full check, which tells groups apart.
            const auto email = stringAt(input, "email");
            if (email && emails.contains(*email) && isSignerAdded(input)) {
                continue;
            }
            const auto signer = makeSigner(input, roles);
            transaction_->addSigner(signer);
            emails.insert(signer->email());
            ++added;
        }
    }
    notifyDelegate(&VLTNewTransactionViewModelDelegate::signersHaveBeenUpdated);
    return added;
}

int VLTNewTransactionViewModel::addSignerReplaceAtIndex(const Dictionary& input, std::uint64_t index)
{
    if (index < static_cast<std::uint64_t>(signersNumber())) {
        return replaceSignerAtIndex(input, static_cast<std::size_t>(index));
    }
    const int code = validateSignerData(input);
    return code != accepted ? code : addSignerAtIndex(input, signersNumber());
}

int VLTNewTransactionViewModel::replaceSignerAtIndex(const Dictionary& input, std::size_t index)
{
    // The recipient being edited always matches its own e-mail, so only another
    // recipient of the same kind with that e-mail refuses the edit.
    const auto& all = signers();
    // Compared as it will be stored: the update trims it.
    const auto email = trimmed(stringAt(input, "email"));
    const auto sameEmail = std::ranges::find_if(all, [&](const auto& signer) { return signer->email() == email; });
    if (sameEmail != all.end() && static_cast<std::size_t>(sameEmail - all.begin()) != index &&
        SignerRowDictionary::isGroupRow(**sameEmail) == booleanOrNumberAt(input, "group")) {
        return signerAlreadyAdded;
    }
    const auto& signer = all[index];
    setAuthDataForSigner(input, signer);
    updateSignerWithDictionary(signer, input);
    signer->setAllowChangeSigners(booleanOrNumberAt(input, "allowSignerChange"));
    notifyDelegate(&VLTNewTransactionViewModelDelegate::signersHaveBeenUpdated);
    return accepted;
}

int VLTNewTransactionViewModel::addOrReplaceSignerFoundAt(const Dictionary& input,
                                                          const std::optional<std::string>& key, std::uint64_t index)
{
    if (key) {
        return addSignerReplaceAtIndex(input, index);
    }
    const int code = validateSignerData(input);
    return code != accepted ? code : addSignerAtIndex(input, signersNumber());
}

int VLTNewTransactionViewModel::addSignerReplaceExisitngSignerEmail(const Dictionary& input,
                                                                    const std::optional<std::string>& email)
{
    return addOrReplaceSignerFoundAt(input, email, indexOfSignerWithEmailIsGroup(email, false));
}

int VLTNewTransactionViewModel::addSignerReplaceExisitngGroupWithEmail(const Dictionary& input,
                                                                       const std::optional<std::string>& email)
{
    return addOrReplaceSignerFoundAt(input, email, indexOfSignerWithEmailIsGroup(email, true));
}

int VLTNewTransactionViewModel::addSignerReplaceExisitngGroupWithID(const Dictionary& input,
                                                                    const std::optional<std::string>& groupID)
{
    return addOrReplaceSignerFoundAt(input, groupID, indexOfSignerWithGroupID(groupID));
}

void VLTNewTransactionViewModel::removeSignerWithIndex(int index)
{
    if (transaction_) {
        transaction_->removeSignerWithIndex(index);
    }
    notifyDelegate(&VLTNewTransactionViewModelDelegate::signersHaveBeenUpdated);
    notifyDelegate(&VLTNewTransactionViewModelDelegate::signerHaveBeenRemoved);
}

void VLTNewTransactionViewModel::changePlaceOfSignerWithIndexToIndex(int from, int to)
{
    if (transaction_) {
        transaction_->changePlaceOfSignerWithIndexToIndex(from, to);
    }
}

void VLTNewTransactionViewModel::setOrderSigning(bool orderSigning)
{
    if (transaction_) {
        transaction_->setOrderSigning(orderSigning);
    }
    if (const auto delegate = delegate_.lock()) {
        delegate->signerOrderChanged(orderSigning);
    }
}

bool VLTNewTransactionViewModel::orderedSigning() const
{
    return transaction_ && transaction_->orderSigning();
}

bool VLTNewTransactionViewModel::isSignerAdded(const Dictionary& input) const
{
    if (booleanOrNumberAt(input, "group")) {
        return false;
    }
    const auto email = stringAt(input, "email");
    if (!email) {
        return false;
    }
    // The cheap e-mail comparison goes first: the group test checks an address format.
    return std::ranges::any_of(signers(),
                               [&](const auto& signer) { return signer->email() == *email && !isSignerGroup(signer); });
}

bool VLTNewTransactionViewModel::isSignerGroup(const std::shared_ptr<VTSigner>& signer) const
{
    if (!signer) {
        return false;
    }
    return contains(signer->email(), RecipientDomains::kGroupMailDomainMarker) || isValidEmail(signer->title());
}

bool VLTNewTransactionViewModel::isGroupEnabledForUser(const std::shared_ptr<VTSigner>& signer) const
{
    return isSignerGroup(signer) &&
           std::ranges::any_of(groups_, [](const auto& group) { return group->isCurrentSignerMember(); });
}

bool VLTNewTransactionViewModel::hasPlaceholder() const
{
    return std::ranges::any_of(signers(), [](const auto& signer) { return SignerRowDictionary::isPlaceholder(*signer); });
}

std::uint64_t VLTNewTransactionViewModel::indexOfSignerWithEmailIsGroup(const std::optional<std::string>& email,
                                                                        bool isGroup) const
{
    if (!email) {
        return kNotFound;
    }
    const auto& all = signers();
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (SignerRowDictionary::isGroupRow(*all[index]) == isGroup && all[index]->email() == *email) {
            return index;
        }
    }
    return kNotFound;
}

std::uint64_t VLTNewTransactionViewModel::indexOfSignerWithGroupID(const std::optional<std::string>& groupID) const
{
    if (!groupID) {
        return kNotFound;
    }
    const auto& all = signers();
    for (std::size_t index = 0; index < all.size(); ++index) {
        if (SignerRowDictionary::isGroupRow(*all[index]) && all[index]->role() == *groupID) {
            return index;
        }
    }
    return kNotFound;
}

std::vector<std::string> VLTNewTransactionViewModel::idsForAddedGroups() const
{
    std::vector<std::string> ids;
    for (const auto& signer : signers()) {
        if (isSignerGroup(signer)) {
            ids.push_back(signer->role());
        }
    }
    return ids;
}

std::vector<std::string> VLTNewTransactionViewModel::emailsForAddedGroups() const
{
    std::vector<std::string> emails;
    for (const auto& signer : signers()) {
        if (isSignerGroup(signer)) {
            emails.push_back(signer->title());
        }
    }
    return emails;
}

VLTNewTransactionViewModel::Groups VLTNewTransactionViewModel::getAvailableGroups() const
{
    const auto added = idsForAddedGroups();
    Groups available;
    std::ranges::copy_if(groups_, std::back_inserter(available),
                         [&](const auto& group) { return std::ranges::find(added, group->groupID()) == added.end(); });
    return available;
}

void VLTNewTransactionViewModel::setAuthDataForSigner(const Dictionary& input,
                                                      const std::shared_ptr<VTSigner>& signer) const
{
    const Dictionary authentication = objectAt(input, "authentication");
    const auto type = stringAt(authentication, "type");
    if (type == "QandA") {
        signer->setAuthenticationQandAQuestion1Answer1MaskAnswer1Question2Answer2MaskAnswer2(
            stringAt(authentication, "question1"), stringAt(authentication, "answer1"),
            booleanOrNumberAt(authentication, "maskAnaswer1"), stringAt(authentication, "question2"),
            stringAt(authentication, "answer2"), booleanOrNumberAt(authentication, "maskAnaswer2"));
    } else if (type == "SMS") {
        signer->setAuthenticationSMStoCellphone(stringAt(authentication, "cellphone"));
    } else {
        signer->setAuthenticationEmail();
    }
}

void VLTNewTransactionViewModel::updateSignerWithDictionary(const std::shared_ptr<VTSigner>& signer,
                                                            const Dictionary& dictionary) const
{
    if (signer) {
        signer->updatewithDictionary(dictionary);
    }
}

std::optional<Dictionary> VLTNewTransactionViewModel::authenticationDictionaryForSignerWithIndex(int index) const
{
    (void)index;
    return std::nullopt;
}

Dictionary VLTNewTransactionViewModel::identityInfo() const
{
    const auto identity = ZKIdentity::sharedInstance();
    Dictionary info = Dictionary::object();
    const std::pair<const char*, std::optional<std::string>> fields[] = {
        {"email", identity->email()}, {"firstName", identity->firstName()}, {"lastName", identity->lastName()},
        {"title", identity->title()}, {"company", identity->company()},     {"uid", identity->uid()},
    };
    for (const auto& [key, value] : fields) {
        if (value) {
            info[key] = *value;
        }
    }
    return info;
}

bool VLTNewTransactionViewModel::isMe(const std::optional<std::string>& email) const
{
    const auto mine = signedInEmail();
    return email && mine && platform::text::toLower(*email) == platform::text::toLower(*mine);
}

bool VLTNewTransactionViewModel::isValidEmail(const std::optional<std::string>& email)
{
    return email && VTEmailAddressFormat::isValid(*email);
}

// Authentication checks

int VLTNewTransactionViewModel::validateQuestion1Answer1Question2Answer2(const std::optional<std::string>& question1,
                                                                         const std::optional<std::string>& answer1,
                                                                         const std::optional<std::string>& question2,
                                                                         const std::optional<std::string>& answer2) const
{
    return QuestionAndAnswerRules::validate(question1, answer1, question2, answer2);
}

int VLTNewTransactionViewModel::validateCellPhoneNumberCountryCode(const std::optional<std::string>& number,
                                                                   const std::string& countryCode) const
{
    if (!number) {
        return CellPhoneNumberRules::kInvalidNumber;
    }
    std::string formatted;
    return validateCellPhoneNumberUpdatedPhoneNumberCountryCode(*number, formatted, countryCode);
}

int VLTNewTransactionViewModel::validateCellPhoneNumberUpdatedPhoneNumberCountryCode(
    const std::string& number, std::string& updatedPhoneNumber, const std::string& countryCode) const
{
    return CellPhoneNumberRules(VTFacadeServices::installed().embargoedCallingCodes())
        .validate(number, updatedPhoneNumber, countryCode);
}

int VLTNewTransactionViewModel::validateForEmbargoedCountries(const std::string& number) const
{
    return CellPhoneNumberRules(VTFacadeServices::installed().embargoedCallingCodes()).validateForEmbargoedCountries(number);
}

std::optional<std::string> VLTNewTransactionViewModel::updatedCellPhoneNumberFromPhoneNumber(
    const std::optional<std::string>& number) const
{
    if (!number) {
        return std::nullopt;
    }
    const auto typed = TypedPhoneNumber::bounded(*number);
    return typed ? KWPhoneFormat::instance()->format(*typed) : *number;
}

// Priming and loading

void VLTNewTransactionViewModel::clearNewTransactionData()
{
    ++priming_;
    transaction_ = std::make_shared<VTTransaction>();
}

void VLTNewTransactionViewModel::setTransaction(std::shared_ptr<VTTransaction> transaction)
{
    ++priming_;
    transaction_ = std::move(transaction);
    guid_.reset();
}

void VLTNewTransactionViewModel::setTransactionGUID(const std::optional<std::string>& guid)
{
    if (!guid) {
        clearNewTransactionData();
        guid_.reset();
        return;
    }
    ++priming_;
    transaction_.reset();
    guid_ = guid;
}

void VLTNewTransactionViewModel::holdStoredTransaction(const std::string& guid)
{
    transaction_ = VTTransaction::transactionForGUID(guid);
}

void VLTNewTransactionViewModel::passOnLoadReply(const std::string& guid, const Dictionary& reply,
                                                 const LoadCallback& callback)
{
    if (reply.is_object() && reply.contains("error")) {
        answer(callback, reply["error"]);
        return;
    }
    holdStoredTransaction(guid);
    if (transaction_) {
        answer(callback, std::nullopt);
        return;
    }
    // The page waits behind its blocking message for this answer: a transaction that
    // cannot be rebuilt must end the wait like a failed fetch.
    answer(callback, ZKError::make(ZKError::notFound, "The transaction could not be read from the local store.")
                         .toDictionary());
}

void VLTNewTransactionViewModel::loadPrimedTransaction(const LoadCallback& callback, const TransactionRead& read)
{
    if (!guid_) {
        answer(callback, std::nullopt);
        return;
    }
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    read(*guid_, [weakSelf, guid = *guid_, priming = priming_, callback](const Dictionary& reply) {
        // A reply for a composition the model has since left (another GUID, a host's
        // builder) must not replace the newer one nor reach the page that asked.
        if (const auto self = weakSelf.lock(); self && self->priming_ == priming) {
            self->passOnLoadReply(guid, reply, callback);
        }
    });
}

void VLTNewTransactionViewModel::loadDataForTransactionWithCallback(const LoadCallback& callback)
{
    loadPrimedTransaction(callback, [](const std::string& guid, const std::function<void(const Dictionary&)>& reply) {
        VTFacadeServices::installed().preFetchTransactionWithGUIDAndCallback(guid, reply);
    });
}

void VLTNewTransactionViewModel::reloadTransactionWithCallback(const LoadCallback& callback)
{
    loadPrimedTransaction(callback, [](const std::string& guid, const std::function<void(const Dictionary&)>& reply) {
        VTFacadeServices::installed().transactionWithGUIDCachedWithCallback(guid, true, reply);
    });
}

void VLTNewTransactionViewModel::reloadTransaction()
{
    if (transaction_ && transaction_->guid()) {
        transaction_ = VTTransaction::transactionForGUID(transaction_->guid());
    }
}

void VLTNewTransactionViewModel::loadDataForTransactionWithGUIDWithCallback(const std::string& guid,
                                                                            const std::function<void()>& callback)
{
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    VTFacadeServices::installed().preFetchTransactionWithGUIDAndCallback(guid, [weakSelf, guid, callback](const Dictionary&) {
        if (const auto self = weakSelf.lock()) {
            self->clearNewTransactionData();
            self->holdStoredTransaction(guid);
        }
        if (callback) {
            callback();
        }
    });
}

std::optional<std::string> VLTNewTransactionViewModel::transactionId() const
{
    return transaction_ ? transaction_->guid() : std::nullopt;
}

Dictionary VLTNewTransactionViewModel::currentTransactionInfo() const
{
    return ZKTransactionManager::sharedInstance()->interfaceDictionary();
}

// Documents

int VLTNewTransactionViewModel::documentsNumber() const
{
    return transaction_ ? static_cast<int>(transaction_->documents().size()) : 0;
}

Dictionary VLTNewTransactionViewModel::displayDataForDocumentWithIndex(int index) const
{
    if (!transaction_ || index < 0 || index >= documentsNumber()) {
        return Dictionary::object();
    }
    const auto& document = transaction_->documents()[static_cast<std::size_t>(index)];
    return Dictionary{{"displayName", displayNameOfDocumentNamed(document->name())}, {"path", document->pdfPath()}};
}

std::string VLTNewTransactionViewModel::displayNameOfDocumentNamed(const std::string& name)
{
    return name.ends_with(".pdf") ? name : name + ".pdf";
}

std::vector<std::string> VLTNewTransactionViewModel::fileNamesNumberedInTurn(
    const std::vector<std::string>& fileNames) const
{
    std::unordered_set<std::string> taken;
    for (int index = 0; index < documentsNumber(); ++index) {
        taken.insert(*nameOfDocumentWithIndex(index));
    }
    std::vector<std::string> numbered;
    numbered.reserve(fileNames.size());
    for (const auto& fileName : fileNames) {
        const std::string documentName = DocumentFileImport::documentNameOfFile(fileName);
        std::string candidate = documentName;
        for (int number = 1; taken.contains(candidate); ++number) {
            candidate = VTTransaction::numberedDocumentName(documentName, number);
        }
        taken.insert(candidate);
        numbered.push_back(DocumentFileImport::fileNameOfDocument(candidate, fileName));
    }
    return numbered;
}

std::optional<std::string> VLTNewTransactionViewModel::nameOfDocumentWithIndex(int index) const
{
    if (!transaction_ || index < 0 || index >= documentsNumber()) {
        return std::nullopt;
    }
    return transaction_->documents()[static_cast<std::size_t>(index)]->name();
}

std::optional<std::vector<std::uint8_t>> VLTNewTransactionViewModel::dataForDocumentWithIndex(int index) const
{
    if (!transaction_ || index < 0 || index >= documentsNumber()) {
        return std::nullopt;
    }
    return transaction_->documents()[static_cast<std::size_t>(index)]->data();
}

void VLTNewTransactionViewModel::addDocument(const Dictionary& document)
{
    addDocumentAtIndex(document, documentsNumber());
}

void VLTNewTransactionViewModel::addDocumentAtIndex(const Dictionary& document, int index)
{
    if (transaction_) {
        transaction_->addDocumentAtIndex(
            VTDocument::initWithNameAndPath(stringAt(document, "displayName"), stringAt(document, "path")), index);
    }
    notifyDelegate(&VLTNewTransactionViewModelDelegate::documentsHaveBeenUpdated);
}

void VLTNewTransactionViewModel::addDocumentWithNameAtIndexDataAndSizeCompletion(
    const std::string& name, int index, const std::vector<std::uint8_t>& data, const platform::graphics::Size& size,
    const Completion& completion)
{
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    const int position = std::max(index, 0);
    DocumentFileImport::importFile(
        name, data, size,
        [weakSelf, position, completion, composition = priming_](const std::string& displayName,
                                                                  const std::string& path) {
            const auto self = weakSelf.lock();
            if (!self) {
                return;
            }
            // A conversion that ends after the sender has left its transaction must not
            // join the one composed now.
            if (!self->isCurrentComposition(composition)) {
                ZKFileManager::removeTemporaryCopy(path);
                if (completion) {
                    completion(std::nullopt);
                }
                return;
            }
            self->addPDFDocumentWithNameAndPathAtIndexCompletion(displayName, path, position, completion);
        },
        [completion] {
            if (completion) {
                completion(std::nullopt);
            }
        });
}

void VLTNewTransactionViewModel::addPDFDocumentWithNameAndPathAtIndexCompletion(const std::string& name,
                                                                                const std::string& path, int index,
                                                                                const Completion& completion)
{
    addDocumentAtIndex(Dictionary{{"path", path}, {"displayName", name}}, index);
    if (completion) {
        completion(Dictionary{{"status", true}});
    }
}

void VLTNewTransactionViewModel::removeDocumentWithIndex(int index)
{
    if (transaction_) {
        transaction_->removeDocumentWithIndex(index);
    }
    notifyDelegate(&VLTNewTransactionViewModelDelegate::documentsHaveBeenUpdated);
    notifyDelegate(&VLTNewTransactionViewModelDelegate::documentHaveBeenRemoved);
}

void VLTNewTransactionViewModel::changePlaceOfDocumentWithIndexToIndex(int from, int to)
{
    if (transaction_) {
        transaction_->changePlaceOfDocumentWithIndexToIndex(from, to);
    }
}

// Transaction settings

std::optional<std::string> VLTNewTransactionViewModel::title() const
{
    return transaction_ ? transaction_->name() : std::nullopt;
}

void VLTNewTransactionViewModel::setTitle(const std::optional<std::string>& title)
{
    if (transaction_) {
        transaction_->setName(title);
    }
}

std::optional<std::string> VLTNewTransactionViewModel::transactionDescription() const
{
    return transaction_ ? transaction_->desc() : std::nullopt;
}

void VLTNewTransactionViewModel::setTransactionDescription(const std::optional<std::string>& description)
{
    if (transaction_) {
        transaction_->setDesc(description);
    }
}

std::optional<platform::Date> VLTNewTransactionViewModel::transactionExpiry() const
{
    return transaction_ ? transaction_->expiry() : std::nullopt;
}

void VLTNewTransactionViewModel::setTransactionExpiry(const std::optional<platform::Date>& expiry)
{
    if (transaction_) {
        transaction_->setExpiry(expiry);
    }
}

std::optional<std::string> VLTNewTransactionViewModel::emailMessage() const
{
    return transaction_ ? transaction_->emailMessage() : std::nullopt;
}

void VLTNewTransactionViewModel::setEmailMessage(const std::optional<std::string>& message)
{
    if (transaction_) {
        transaction_->setEmailMessage(message);
    }
}

bool VLTNewTransactionViewModel::inPerson() const
{
    return transaction_ && transaction_->isInPerson();
}

void VLTNewTransactionViewModel::setInPerson(bool inPerson)
{
    if (transaction_) {
        transaction_->setInPerson(inPerson);
    }
}

bool VLTNewTransactionViewModel::autoComplete() const
{
    return transaction_ && transaction_->autocomplete();
}

void VLTNewTransactionViewModel::setAutoComplete(bool autoComplete)
{
    if (transaction_) {
        transaction_->setAutocomplete(autoComplete);
    }
}

// Leaving the composer

int VLTNewTransactionViewModel::startNewTransaction(const StartFailure& failed)
{
    if (!transaction_) {
        return noName;
    }
    transaction_->setName(trimmed(transaction_->name()));
    if (!transaction_->name() || transaction_->name()->empty()) {
        return noName;
    }
    if (transaction_->documents().empty()) {
        return noDocuments;
    }
    if (transaction_->signers().empty()) {
        return noRecipients;
    }
    if (transaction_->guid() && !ZKTransactionManager::sharedInstance()->transactionWithId(*transaction_->guid())) {
        return transactionNotStored;
    }
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    // The builder answers before it returns; an answer that comes later cannot change
    // the code any more.
    const auto failure = std::make_shared<std::optional<std::string>>();
    transaction_->startEditingWithCallback([weakSelf, failure](const Dictionary& result) {
        if (!result.contains("transaction")) {
            *failure = failureDescriptionOf(result).value_or("");
        }
        if (const auto self = weakSelf.lock()) {
            self->sendDraftDetails(result);
        }
    });
    if (!*failure) {
        return started;
    }
    if (failed) {
        failed(**failure);
    }
    return startFailed;
}

std::optional<std::string> VLTNewTransactionViewModel::failureDescriptionOf(const Dictionary& reply)
{
    const auto found = reply.find("error");
    if (found == reply.end()) {
        return std::nullopt;
    }
    return stringAt(*found, "description").value_or("");
}

void VLTNewTransactionViewModel::sendDraftDetails(const Dictionary& startResult) const
{
    const Dictionary transaction = objectAt(startResult, "transaction");
    if (transaction.empty()) {
        return;
    }
    const auto hostDelegate = VTFacadeServices::installed().delegate();
    if (hostDelegate && hostDelegate->respondsToDidCreateLocalDraftWithDetails()) {
        hostDelegate->didCreateLocalDraftWithDetails(
            DraftDetails::make(transaction, signedInEmail(), platform::Date::now()));
    }
}

void VLTNewTransactionViewModel::commitUpdatesWithCallback(const DetailsCallback& callback)
{
    if (!transaction_) {
        return;
    }
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    transaction_->commitUpdatesWithCallback([weakSelf, callback](const Dictionary& result) {
        const auto guid = stringAt(result, "guid");
        if (!guid) {
            runOnMainQueueWithoutDeadlocking2([&] { reportFailedCommit(result, callback); });
            return;
        }
        VTFacadeServices::installed().transactionWithGUIDCachedWithCallback(
            *guid, true, [weakSelf, guid = *guid, callback](const Dictionary& transaction) {
                runOnMainQueueWithoutDeadlocking2([&] {
                    if (const auto self = weakSelf.lock()) {
                        self->finishCommit(guid, transaction, callback);
                    }
                });
            });
    });
}

void VLTNewTransactionViewModel::finishCommit(const std::string& guid, const Dictionary& transaction,
                                              const DetailsCallback& callback) const
{
    platform::RunLoop::main().assertMainThread("A committed transaction's report");
    Dictionary details = transaction.is_object() ? transaction : Dictionary::object();
    details["sender"] = DraftDetails::sender(signedInEmail());
    const auto hostDelegate = VTFacadeServices::installed().delegate();
    if (hostDelegate && hostDelegate->respondsToDidCreateLocalDraftWithDetails()) {
        hostDelegate->didCreateLocalDraftWithDetails(details);
    }
    if (callback) {
        callback(details);
    }
    platform::RunLoop::main().dispatchAfter(0.1, [guid] { VTTransactionSyncQueue::sharedInstance()->addTransaction(guid); });
}

void VLTNewTransactionViewModel::reportFailedCommit(const Dictionary& result, const DetailsCallback& callback)
{
    platform::RunLoop::main().assertMainThread("A failed commit's report");
    const Dictionary failure{{"status", "failed"}, {"error", objectAt(result, "error")}};
    const auto hostDelegate = VTFacadeServices::installed().delegate();
    if (hostDelegate && hostDelegate->respondsToDidFailToStoreLocalDraftWithDetails()) {
        hostDelegate->didFailToStoreLocalDraftWithDetails(failure);
    }
    if (callback) {
        callback(failure);
    }
}

// Signing groups

void VLTNewTransactionViewModel::updateGroups()
{
    std::weak_ptr<VLTNewTransactionViewModel> weakSelf = shared_from_this();
    // Read here, on the main thread: the reply arrives on the network's thread, which
    // must not read the defaults that the main thread writes (or a test resets).
    const auto email = signedInEmail();
    ZKTransactionManager::sharedInstance()->fetchGroupsWithCallback([weakSelf, email](const Dictionary& reply) {
        const auto groups = SigningGroupsReply::groupsFrom(reply, email);
        if (!groups) {
            return;
        }
        runOnMainQueueWithoutDeadlocking2([&] {
            if (const auto self = weakSelf.lock()) {
                self->setGroups(groups);
            }
        });
    });
}

void VLTNewTransactionViewModel::setGroups(const std::optional<Groups>& groups)
{
    platform::RunLoop::main().assertMainThread("The fetched signing groups");
    groups_ = groups.value_or(Groups());
    platform::NotificationCenter::defaultCenter().post(kListOfGroupsDidChangeNotification);
}

void VLTNewTransactionViewModel::removeAllGroups()
{
    setGroups(std::nullopt);
}

bool VLTNewTransactionViewModel::isMemberForGroup(const std::optional<std::string>& email, const Dictionary& group)
{
    return SigningGroupsReply::isMemberForGroup(email, group);
}

void VLTNewTransactionViewModel::notifyDelegate(void (VLTNewTransactionViewModelDelegate::*message)()) const
{
    if (const auto delegate = delegate_.lock()) {
        ((*delegate).*message)();
    }
}
