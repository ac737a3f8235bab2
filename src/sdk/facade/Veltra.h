#pragma once

#include "composer/screens/CreateTransactionAddDocsAndSignersPageDelegate.h"
#include "foundation/Dictionary.h"
#include "sdk/VeltraCreateTransactionDelegate.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {
class ViewController;
}

class VeltraDelegate;
class VeltraSynchronizationQueueDelegate;
class VeltraColorPaletteDelegate;
class VTDocument;
class VTTransaction;

// The facade through which a host application drives the SDK. One instance, made on
// first use of `dashboard()`; reset between tests through platform::SharedInstances.
// It is the composer's main page delegate and hands the page's requests to the host's
// create delegate.
//
// Threads: the SDK lives on the main thread, and so does the facade's state; callbacks
// and delegate messages arrive there. A host should call from the main thread, but a
// call from another one does its work there too, in one of two ways:
// - a call that answers nothing or answers through a callback is posted to the main
//   thread and returns at once; posted calls run in the order they were made;
// - a call that answers a value (the getters, the composer calls) runs on the main thread
//   while the caller waits, so it needs the main thread's run loop to be running. Never
//   make one from a thread that the main thread is waiting for: both would wait for ever.
// The first use of `dashboard()` from another thread also waits for the main thread,
// which starts the SDK. logLevel, isEmailFormatValid and embargoedCallingCodes keep no
// main-thread state and answer on the calling thread.
class Veltra : public CreateTransactionAddDocsAndSignersPageDelegate, public std::enable_shared_from_this<Veltra> {
public:
    // Receives {"data": payload} or {"error": error} (or the plain transaction dictionary
    // where a call says so).
    using Callback = std::function<void(const Dictionary&)>;

    // The facade. Every call pushes the facade's log level into ZKLogger's threshold.
    static std::shared_ptr<Veltra> dashboard();

    // Starts the SDK: hands the designer the settings of each login and starts the
    // synchronisation queue, which tries again what failed before.
    Veltra();

    int logLevel() const { return logLevel_.load(); }
    void setLogLevel(int level);

    std::string serverAddress() const;
    void setServerAddress(const std::string& address);

    // The host controller on which the SDK's screens are shown. A null controller is not
    // accepted; an accepted one has its navigation bar hidden and its swipe-back gesture
    // disabled.
    std::shared_ptr<platform::ui::ViewController> rootViewController() const;
    void setRootViewController(const std::shared_ptr<platform::ui::ViewController>& controller);

    // Delegates are held weakly.
    std::shared_ptr<VeltraDelegate> delegate() const;
    // Also hears the outcome of each synchronised transaction.
    void setDelegate(const std::shared_ptr<VeltraDelegate>& delegate);
    std::shared_ptr<VeltraCreateTransactionDelegate> createTransactionDelegate() const;
    void setCreateTransactionDelegate(const std::shared_ptr<VeltraCreateTransactionDelegate>& delegate);
    std::shared_ptr<VeltraSynchronizationQueueDelegate> synchronizationQueueDelegate() const;
    void setSynchronizationQueueDelegate(const std::shared_ptr<VeltraSynchronizationQueueDelegate>& delegate);
    std::shared_ptr<VeltraColorPaletteDelegate> colorPaletteDelegate() const;
    void setColorPaletteDelegate(const std::shared_ptr<VeltraColorPaletteDelegate>& delegate);

    // Sign-in against the service: {"data": the login reply} or {"error": error}.
    void loginWithEmailPasswordAndCallback(const std::string& email, const std::string& password,
                                           const Callback& callback);
    // {"data": ...} or {"error": error}; the local identity is cleared either way.
    void logoutWithCallback(const Callback& callback);

    // YES for a well-formed e-mail address: the pattern plus at most 254 characters in
    // all, at most 64 before the "@", domain labels of 1 to 63 characters. No for nullopt.
    static bool isEmailFormatValid(const std::optional<std::string>& email);
    // Calling codes (without "+") of the embargoed countries; unknown ones are skipped.
    std::vector<std::string> embargoedCallingCodes() const;

    // Makes sure the transaction and its documents are stored, fetching them when needed:
    // {"data": {"guid", "title", "postingStatus"}} or {"error": error}.
    void preFetchTransactionWithGUIDAndCallback(const std::string& guid, const Callback& callback);
    // With cached set and the transaction stored: its transaction dictionary at once (no
    // "data" wrapper). Otherwise fetched: {"data": ...} or {"error": error}.
    void transactionWithGUIDCachedWithCallback(const std::string& guid, bool cached, const Callback& callback);

    // Closes the SDK's screens; the host hears didExitSDK.
    void exitSDK();

    // The PDF that another application opened into the host, or nullopt.
    static std::optional<std::string> previewLoadPath();
    static void setPreviewLoadPath(std::optional<std::string> path);

    // The composer. Each hides the host's navigation bar and swipe-back gesture, then
    // shows the create/edit transaction page; false when the page could not be shown.
    bool startEditingTransactionWithGuid(const std::optional<std::string>& guid, bool canAddDocuments,
                                         bool canDeleteDocuments, bool canReorderDocuments);
    bool createAndStartEditTransactionWithDocuments(
        const std::optional<std::vector<std::shared_ptr<VTDocument>>>& documents, bool canAddDocuments,
        bool canDeleteDocuments, bool canReorderDocuments);
    bool createAndStartEditWithTransaction(const std::shared_ptr<VTTransaction>& transaction, bool canAddDocuments,
                                           bool canDeleteDocuments, bool canReorderDocuments);

    // The create/edit page's delegate messages, sent by the page on the main thread and
    // forwarded to the host's create delegate when it implements them.
    void createTransactionPageAddDocumentButtonTappedWithCreateTransactionVCWithCallBack(
        const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page,
        const AddDocumentCallback& callback) override;
    void createTransactionPageCloseButtonTappedWithCreateTransactionVC(
        const std::shared_ptr<CreateTransactionAddDocsAndSignersPage>& page) override;

private:
    // Runs the work on the main thread: at once there, else posted.
    void onMain(std::function<void(Veltra&)> work);
    void hideNavigationAndPopGesture();

    std::atomic<int> logLevel_ = 7;
    std::string serverAddress_;
    std::shared_ptr<platform::ui::ViewController> rootViewController_;
    std::weak_ptr<VeltraDelegate> delegate_;
    std::weak_ptr<VeltraCreateTransactionDelegate> createTransactionDelegate_;
    std::weak_ptr<VeltraSynchronizationQueueDelegate> synchronizationQueueDelegate_;
    std::weak_ptr<VeltraColorPaletteDelegate> colorPaletteDelegate_;
    std::optional<std::string> previewLoadPath_;
};
