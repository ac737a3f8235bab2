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
#include "support/MainQueue.h"
#include "support/ZKLogger.h"

#include <type_traits>

namespace {

// What the work answers, run on the main thread; another thread waits for it.
template <class Work>
auto answerFromMain(const Work& work)
{
    std::optional<std::invoke_result_t<Work>> answer;
    runOnMainQueueWithoutDeadlocking2([&] { answer.emplace(work()); });
    return std::move(*answer);
}

void signIn(const std::string& email, const std::string& password, const Veltra::Callback& callback)
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

void signOut(const Veltra::Callback& callback)
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

void preFetch(const std::string& guid, const Veltra::Callback& callback)
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

void fetchTransaction(const std::string& guid, bool cached, const Veltra::Callback& callback)
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

} // namespace

std::shared_ptr<Veltra> Veltra::dashboard()
{
    VeltraStartUp::run();
    auto facade = platform::SharedInstance<Veltra>::get();
    ZKLogger::setThreshold(facade->logLevel_);
    return facade;
}

Veltra::Veltra()
{
    runOnMainQueue([] { VTTransactionSyncQueue::sharedInstance()->startSynchronizing(); });
}

void Veltra::onMain(std::function<void(Veltra&)> work)
{
    runOnMainQueue([facade = weak_from_this(), work = std::move(work)] {
        if (const auto held = facade.lock()) {
            work(*held);
        }
    });
}

void Veltra::setLogLevel(int level)
{
    logLevel_ = level;
    ZKLogger::setThreshold(level);
}

std::string Veltra::serverAddress() const
{
    return answerFromMain([this] { return serverAddress_; });
}

void Veltra::setServerAddress(const std::string& address)
{
    onMain([address](Veltra& facade) {
        facade.serverAddress_ = address;
        ZKServerSettings::sharedInstance()->setServerAddress(address);
    });
}

std::shared_ptr<platform::ui::ViewController> Veltra::rootViewController() const
{
    return answerFromMain([this] { return rootViewController_; });
}

void Veltra::setRootViewController(const std::shared_ptr<platform::ui::ViewController>& controller)
{
    if (!controller) {
        return;
    }
    onMain([controller](Veltra& facade) {
        facade.rootViewController_ = controller;
        facade.hideNavigationAndPopGesture();
    });
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

std::shared_ptr<VeltraDelegate> Veltra::delegate() const
{
    return answerFromMain([this] { return delegate_.lock(); });
}

void Veltra::setDelegate(const std::shared_ptr<VeltraDelegate>& delegate)
{
    onMain([delegate](Veltra& facade) {
        facade.delegate_ = delegate;
        VTTransactionSyncQueue::sharedInstance()->setResultDelegate(delegate);
    });
}

std::shared_ptr<VeltraCreateTransactionDelegate> Veltra::createTransactionDelegate() const
{
    return answerFromMain([this] { return createTransactionDelegate_.lock(); });
}

void Veltra::setCreateTransactionDelegate(const std::shared_ptr<VeltraCreateTransactionDelegate>& delegate)
{
    onMain([delegate](Veltra& facade) { facade.createTransactionDelegate_ = delegate; });
}

std::shared_ptr<VeltraSynchronizationQueueDelegate> Veltra::synchronizationQueueDelegate() const
{
    return answerFromMain([this] { return synchronizationQueueDelegate_.lock(); });
}

void Veltra::setSynchronizationQueueDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate)
{
    onMain([delegate](Veltra& facade) {
        facade.synchronizationQueueDelegate_ = delegate;
        VTTransactionSyncQueue::sharedInstance()->setSynchronizationDelegate(delegate);
    });
}

std::shared_ptr<VeltraColorPaletteDelegate> Veltra::colorPaletteDelegate() const
{
    return answerFromMain([this] { return colorPaletteDelegate_.lock(); });
}

void Veltra::setColorPaletteDelegate(const std::shared_ptr<VeltraColorPaletteDelegate>& delegate)
{
    onMain([delegate](Veltra& facade) { facade.colorPaletteDelegate_ = delegate; });
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
    return answerFromMain([facade = dashboard()] { return facade->previewLoadPath_; });
}

void Veltra::setPreviewLoadPath(std::optional<std::string> path)
{
    dashboard()->onMain([path = std::move(path)](Veltra& facade) { facade.previewLoadPath_ = path; });
}

void Veltra::loginWithEmailPasswordAndCallback(const std::string& email, const std::string& password,
                                               const Callback& callback)
{
    onMain([email, password, callback](Veltra&) { signIn(email, password, callback); });
}

void Veltra::logoutWithCallback(const Callback& callback)
{
    onMain([callback](Veltra&) { signOut(callback); });
}

void Veltra::preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback)
{
    onMain([guid, callback](Veltra&) { preFetch(guid, callback); });
}

void Veltra::transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached, const Callback& callback)
{
    onMain([guid, cached, callback](Veltra&) { fetchTransaction(guid, cached, callback); });
}

void Veltra::exitSDK()
{
    onMain([](Veltra&) {
        const auto manager = ZKCTouchManager::sharedInstance();
        manager->setExitHandler(VeltraExitReporter::handler());
        manager->unloadCocoaTouchAnimated(true);
    });
}

bool Veltra::startEditingTransactionWithGuid(const std::optional<std::string>& guid, bool canAddDocuments,
                                             bool canDeleteDocuments, bool canReorderDocuments)
{
    return answerFromMain([&] {
        hideNavigationAndPopGesture();
        return CreateTransactionUtil::startEditingTransaction(guid, canAddDocuments, canDeleteDocuments,
                                                              canReorderDocuments, dashboard());
    });
}

bool Veltra::createAndStartEditTransactionWithDocuments(
    const std::optional<std::vector<std::shared_ptr<VTDocument>>>& documents, bool canAddDocuments,
    bool canDeleteDocuments, bool canReorderDocuments)
{
    return answerFromMain([&] {
        hideNavigationAndPopGesture();
        return CreateTransactionUtil::createAndStartEditTransaction(documents, canAddDocuments, canDeleteDocuments,
                                                                    canReorderDocuments, dashboard());
    });
}

bool Veltra::createAndStartEditWithTransaction(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments,
                                               bool canDeleteDocuments, bool canReorderDocuments)
{
    return answerFromMain([&] {
        hideNavigationAndPopGesture();
        return CreateTransactionUtil::createAndStartEdit(transaction, canAddDocuments, canDeleteDocuments,
                                                         canReorderDocuments, dashboard());
    });
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
