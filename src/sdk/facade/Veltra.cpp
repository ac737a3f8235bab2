#include "sdk/facade/Veltra.h"

#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "foundation/SharedInstances.h"
#include "model/ZKTransaction.h"
#include "sdk/VTEmailAddressFormat.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/facade/VeltraExitReporter.h"
#include "sdk/facade/VeltraStartUp.h"
#include "sdk/facade/VeltraTransactionFetcher.h"
#include "service/ZKEndpoints.h"
#include "service/ZKIdentity.h"
#include "service/ZKSession.h"
#include "service/ZKVLTConnection.h"
#include "ui/GestureRecognizer.h"
#include "ui/NavigationController.h"
#include "ui/PanGestureRecognizer.h"
#include "service/ZKServerSettings.h"
#include "signers/KWPhoneFormat.h"
#include "support/ZKLogger.h"

std::shared_ptr<Veltra> Veltra::dashboard()
{
    VeltraStartUp::run();
    auto facade = platform::SharedInstance<Veltra>::get();
    ZKLogger::setThreshold(facade->logLevel_);
    return facade;
}

Veltra::Veltra()
{
    VTTransactionSyncQueue::sharedInstance()->startSynchronizing();
}

void Veltra::setLogLevel(int level)
{
    logLevel_ = level;
    ZKLogger::setThreshold(level);
}

void Veltra::setServerAddress(const std::string& address)
{
    serverAddress_ = address;
    ZKServerSettings::sharedInstance()->setServerAddress(address);
}

void Veltra::setRootViewController(const std::shared_ptr<platform::ui::ViewController>& controller)
{
    if (!controller) {
        return;
    }
    rootViewController_ = controller;
    hideNavigationAndPopGesture();
}

void Veltra::hideNavigationAndPopGesture()
{
    const auto navigation = rootViewController_ ? rootViewController_->navigationController() : nullptr;
    if (!navigation) {
        return;
    }
    navigation->setNavigationBarHidden(true, false);
    navigation->interactivePopGestureRecognizer()->setEnabled(false);
}

void Veltra::setDelegate(const std::shared_ptr<VeltraDelegate>& delegate)
{
    delegate_ = delegate;
    VTTransactionSyncQueue::sharedInstance()->setResultDelegate(delegate);
}

std::shared_ptr<VeltraSynchronizationQueueDelegate> Veltra::synchronizationQueueDelegate() const
{
    return synchronizationQueueDelegate_.lock();
}

void Veltra::setSynchronizationQueueDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate)
{
    synchronizationQueueDelegate_ = delegate;
    VTTransactionSyncQueue::sharedInstance()->setSynchronizationDelegate(delegate);
}

std::shared_ptr<VeltraColorPaletteDelegate> Veltra::colorPaletteDelegate() const
{
    return colorPaletteDelegate_.lock();
}

void Veltra::setColorPaletteDelegate(const std::shared_ptr<VeltraColorPaletteDelegate>& delegate)
{
    colorPaletteDelegate_ = delegate;
}

bool Veltra::isEmailFormatValid(const std::optional<std::string>& email)
{
    return email && VTEmailAddressFormat::isValid(*email);
}

std::vector<std::string> Veltra::embargoedCallingCodes() const
{
    static constexpr const char* kEmbargoedCountries[] = {"SS", "SY", "KP", "SD", "CU", "IR"};
    const auto format = KWPhoneFormat::instance();
    std::vector<std::string> codes;
    for (const char* country : kEmbargoedCountries) {
        if (auto code = format->callingCodeForCountryCode(country)) {
            codes.push_back(std::move(*code));
        }
    }
    return codes;
}

std::optional<std::string> Veltra::previewLoadPath()
{
    return dashboard()->previewLoadPath_;
}

void Veltra::setPreviewLoadPath(std::optional<std::string> path)
{
    dashboard()->previewLoadPath_ = std::move(path);
}

void Veltra::loginWithEmailPasswordAndCallback(const std::string& email, const std::string& password,
                                               const Callback& callback)
{
    const auto dataManager = ZKTransactionManager::sharedInstance()->dataManager();
    dataManager->handleLoginForEmailAndPasswordDownloadConsentWithDictWithSuccessCallbackAndFailureCallback(
        email, password, false, Dictionary::object(),
        [callback](const Dictionary& reply) {
            if (callback) {
                callback({{"data", reply}});
            }
        },
        [callback](const ZKError& error) {
            if (callback) {
                callback({{"error", error.toDictionary()}});
            }
        });
}

void Veltra::logoutWithCallback(const Callback& callback)
{
    ZKVLTConnection::send(ZKRequest::remove(ZKEndpoints::session()), [callback](const ZKReply& reply) {
        ZKIdentity::sharedInstance()->clear();
        ZKSession::sharedInstance()->setSessionId(std::nullopt);
        if (!callback) {
            return;
        }
        callback(reply.succeeded() ? Dictionary{{"data", reply.json}} : Dictionary{{"error", reply.error->toDictionary()}});
    });
}

void Veltra::preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback)
{
    VeltraTransactionFetcher::transactionWithGUID(guid, [callback](const VeltraTransactionFetcher::Result& result) {
        if (!callback) {
            return;
        }
        if (const auto* error = std::get_if<ZKError>(&result)) {
            callback({{"error", error->toDictionary()}});
            return;
        }
        const auto& stored = *std::get<std::shared_ptr<ZKTransaction>>(result);
        callback({{"data", {{"guid", stored.guid()}, {"title", stored.name()}, {"postingStatus", stored.status()}}}});
    });
}

void Veltra::transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached, const Callback& callback)
{
    const auto dictionary = cached ? VeltraTransactionFetcher::cachedDictionary(guid) : std::nullopt;
    if (dictionary) {
        if (callback) {
            callback(*dictionary);
        }
        return;
    }
    VeltraTransactionFetcher::transactionWithGUID(guid, [callback](const VeltraTransactionFetcher::Result& result) {
        if (!callback) {
            return;
        }
        if (const auto* error = std::get_if<ZKError>(&result)) {
            callback({{"error", error->toDictionary()}});
            return;
        }
        callback({{"data", VeltraTransactionFetcher::dictionaryOf(*std::get<std::shared_ptr<ZKTransaction>>(result))}});
    });
}

void Veltra::exitSDK()
{
    const auto manager = ZKCTouchManager::sharedInstance();
    manager->setExitHandler(VeltraExitReporter::handler());
    manager->unloadCocoaTouchAnimated(true);
}

bool Veltra::startEditingTransactionWithGuid(const std::optional<std::string>& guid, bool canAddDocuments,
                                             bool canDeleteDocuments, bool canReorderDocuments)
{
    hideNavigationAndPopGesture();
    return CreateTransactionUtil::startEditingTransaction(guid, canAddDocuments, canDeleteDocuments,
                                                          canReorderDocuments, dashboard());
}

bool Veltra::createAndStartEditTransactionWithDocuments(
    const std::optional<std::vector<std::shared_ptr<VTDocument>>>& documents, bool canAddDocuments,
    bool canDeleteDocuments, bool canReorderDocuments)
{
    hideNavigationAndPopGesture();
    return CreateTransactionUtil::createAndStartEditTransaction(documents, canAddDocuments, canDeleteDocuments,
                                                                canReorderDocuments, dashboard());
}

bool Veltra::createAndStartEditWithTransaction(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments,
                                               bool canDeleteDocuments, bool canReorderDocuments)
{
    hideNavigationAndPopGesture();
    return CreateTransactionUtil::createAndStartEdit(transaction, canAddDocuments, canDeleteDocuments,
                                                     canReorderDocuments, dashboard());
}

void Veltra::createTransactionPageAddDocumentButtonTappedWithCreateTransactionVCWithCallBack(
    const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page, const AddDocumentCallback& callback)
{
    const auto host = createTransactionDelegate();
    if (host && host->respondsToOnAddDocumentAndCallback()) {
        host->onAddDocumentAndCallback(page, callback);
    }
}

void Veltra::createTransactionPageCloseButtonTappedWithCreateTransactionVC(
    const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page)
{
    const auto host = createTransactionDelegate();
    if (host && host->respondsToOnCloseButton()) {
        host->onCloseButton(page);
    }
}
