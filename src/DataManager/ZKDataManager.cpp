#include "DataManager/ZKDataManager.h"

#include "DataManager/ZKIdentifierReplacement.h"
#include "DataManager/ZKLeftoverFiles.h"
#include "DataManager/ZKTransactionFolder.h"
#include "DataManager/ZKTransactionRetrieval.h"
#include "foundation/Date.h"
#include "foundation/NotificationCenter.h"
#include "model/VeltManagedObject.h"
#include "model/ZKFieldSettings.h"
#include "model/ZKTransaction.h"
#include "service/ZKIdentity.h"
#include "service/ZKReply.h"
#include "service/ZKWebFetcher.h"
#include "service/ZKWebPoster.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKTransactionMapper.h"
#include "support/ZKLogger.h"

#include <utility>

namespace {

constexpr int kErrorLevel = 1;

Dictionary errorResult(const ZKError& error)
{
    return {{"error", error.toDictionary()}};
}

std::string packageGuidOf(const Dictionary& loginReply)
{
    namespace dictionary = platform::dictionary;
    return dictionary::stringAt(dictionary::objectAt(loginReply, "package"), "guid").value_or("");
}

// A copy of the template as a draft that exists only on this device until synchronised.
void makeLocalDraft(Dictionary& transaction)
{
    transaction["status"] = "draft";
    transaction["draft"] = true;
    transaction["local"] = true;
    transaction["lastUpdate"] = platform::Date::now().timeIntervalSince1970();
    transaction["predefinedActions"] = {{"deleteOnServer", false}, {"createOnServer", true}, {"send", false},
                                        {"sign", false},           {"optOut", false},       {"complete", false}};
}

} // namespace

ZKDataManager::ZKDataManager()
{
    auto opened = ZKCoreDataManager::openDefault();
    store_ = std::move(opened.manager);
    storeError_ = std::move(opened.error);
    if (storeError_) {
        ZKLogger::logLevel("The local store: " + storeError_->description(), kErrorLevel);
    }
    VeltManagedObject::setStoreManager(store_);
    if (store_ && !storeError_) {
        ZKLeftoverFiles::removeUnreferencedBy(*store_);
    }
}

ZKDataManager::~ZKDataManager()
{
    if (VeltManagedObject::storeManager() == store_) {
        VeltManagedObject::setStoreManager(nullptr);
    }
}

void ZKDataManager::handleLoginForEmailAndPasswordDownloadConsentWithDictWithSuccessCallbackAndFailureCallback(
    const std::string& email, const std::string& password, bool, const Dictionary&, LoginSuccess success,
    LoginFailure failure)
{
    ZKWebPoster::loginWithEmailPasswordCallback(
        email, password, [success = std::move(success), failure = std::move(failure)](const ZKReply& reply) {
            completeLogin(reply, success, failure);
        });
}

void ZKDataManager::handleLoginPropertiesWithSuccessCallback(LoginSuccess success)
{
    ZKWebFetcher::sessionWithCallback([success = std::move(success)](const ZKReply& reply) {
        completeLogin(reply, success, [](const ZKError& error) {
            ZKLogger::logLevel("The session's login properties: " + error.description(), kErrorLevel);
        });
    });
}

void ZKDataManager::completeLogin(const ZKReply& reply, const LoginSuccess& success, const LoginFailure& failure)
{
    if (!reply.succeeded()) {
        failure(*reply.error);
        return;
    }
    const auto& json = reply.json;
    if (!json.is_object() || !json.contains("user") || !json["user"].is_object()) {
        failure(ZKError::make(ZKError::unexpectedReply, "The login reply names no user."));
        return;
    }
    ZKIdentity::sharedInstance()->recordUser(json["user"]);
    ZKWebFetcher::fieldSettingsWithTransactionIdCallback(
        packageGuidOf(json), [json, success](const std::optional<Dictionary>& settings) {
            ZKFieldSettings::installed().saveDesignerSettings(settings);
            success(json);
        });
}

void ZKDataManager::createDraftFromCachedTemplateWithIDWithCallback(const std::string& templateId,
                                                                    const ResultCallback& callback)
{
    const auto stored = store_ ? store_->transactionWithGuid(templateId) : nullptr;
    if (!stored) {
        callback(errorResult(ZKError::make(ZKError::notFound, "No stored transaction has the GUID " + templateId + ".")));
        return;
    }
    auto draft = ZKTransactionMapper::dictionaryFromTransaction(*stored);
    const auto replacement = ZKIdentifierReplacement::freshIdentifiersFor(draft);
    replacement.applyToDictionary(draft);
    makeLocalDraft(draft);

    const ZKTransactionFolder folder(replacement.guid());
    if (const auto copied = folder.copyFrom(stored->guid()); copied) {
        callback(errorResult(*copied));
        return;
    }
    auto mapped = ZKTransactionMapper::transactionFromDictionary(draft, *store_);
    if (const auto* error = std::get_if<ZKError>(&mapped)) {
        folder.remove();
        callback(errorResult(*error));
        return;
    }
    if (auto saveError = store_->save()) {
        store_->deleteObject(std::get<std::shared_ptr<ZKTransaction>>(mapped));
        folder.remove();
        callback(errorResult(*saveError));
        return;
    }
    platform::NotificationCenter::defaultCenter().post(kTemplateDraftNotification, nullptr,
                                                       {{"guid", replacement.guid()}});
    callback({{"data", draft}});
}

void ZKDataManager::retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(const std::string& guid,
                                                                                RetrievalSuccess success,
                                                                                ErrorCallback failure)
{
    if (guid.empty()) {
        failure(ZKError::make(ZKError::missingIdentifier, "No transaction GUID was given."));
        return;
    }
    if (const auto stored = store_ ? store_->transactionWithGuid(guid) : nullptr) {
        success(stored);
        return;
    }
    ZKTransactionRetrieval::retrieveTransactionWithGuid(guid, store_, std::move(success), std::move(failure));
}
