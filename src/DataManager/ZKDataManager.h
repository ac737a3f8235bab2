#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class ZKCoreDataManager;
class ZKTransaction;
struct ZKReply;

// Keeps the local store open for the SDK and handles what a login sets up: the signed-in
// identity and the designer settings of the login's package. Also makes new local drafts
// from stored templates. Main thread only.
class ZKDataManager {
public:
    using LoginSuccess = std::function<void(const Dictionary& loginReply)>;
    using LoginFailure = std::function<void(const ZKError& error)>;
    using ResultCallback = std::function<void(const Dictionary& result)>;
    using RetrievalSuccess = std::function<void(const std::shared_ptr<ZKTransaction>& transaction)>;
    using ErrorCallback = std::function<void(const ZKError& error)>;

    static constexpr const char* kTemplateDraftNotification =
        "com.corvex.Veltra.CreateTransaction.createTransactionPageShouldReloadForSelectedTemplate";

    // Opens "VeltCoreDB.sqlite" and makes it the store of every entity class, then removes
    // what an earlier process left unfinished in the SDK's folders (ZKLeftoverFiles). A
    // store that cannot be opened leaves the SDK without one; storeError() tells why.
    ZKDataManager();
    ~ZKDataManager();

    const std::shared_ptr<ZKCoreDataManager>& store() const { return store_; }
    const std::optional<ZKError>& storeError() const { return storeError_; }

    // Signs in; on success records the identity, fetches the designer settings of the
    // login's package and hands them to the receiver (nil when there is none or the fetch
    // fails) before the success callback runs. `downloadConsent` and `dict` are accepted
    // and ignored: the sender's side downloads no consent document and reads no further
    // login properties.
    void handleLoginForEmailAndPasswordDownloadConsentWithDictWithSuccessCallbackAndFailureCallback(
        const std::string& email, const std::string& password, bool downloadConsent, const Dictionary& dict,
        LoginSuccess success, LoginFailure failure);
    // The same for a session already in place (a session token the host handed over). A
    // failure reaches no callback; it is logged.
    void handleLoginPropertiesWithSuccessCallback(LoginSuccess success);

    // A new local draft copied from the stored transaction `templateId`, with identifiers
    // and PDFs of its own: {"data": its transaction dictionary} or {"error": error}. On
    // success posts kTemplateDraftNotification with {"guid": the draft's GUID}.
    void createDraftFromCachedTemplateWithIDWithCallback(const std::string& templateId, const ResultCallback& callback);

    // The stored transaction of that GUID (ignoring case); else the one the service holds,
    // fetched with the PDFs of its documents and stored whole, or not at all when any step
    // fails. Callbacks run on the main thread; a stored transaction is answered at once.
    void retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(const std::string& guid,
                                                                     RetrievalSuccess success, ErrorCallback failure);

private:
    static void completeLogin(const ZKReply& reply, const LoginSuccess& success, const LoginFailure& failure);

    std::shared_ptr<ZKCoreDataManager> store_;
    std::optional<ZKError> storeError_;
};
