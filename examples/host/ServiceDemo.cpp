// Signing in against the loopback stand-in of the signing service, then sending a local
// draft through the synchronisation queue.
#include "DemoRegistry.h"

#include "DataManager/VTTransactionSyncQueue.h"
#include "DataManager/ZKDataManager.h"
#include "DataManager/ZKTransactionManager.h"
#include "designer/ZKDesignerHelper.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"
#include "service/ZKServerSettings.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKFileManager.h"
#include "store/ZKTransactionMapper.h"

#include <fstream>
#include <functional>
#include <iostream>

namespace {

struct DemoSynchronizationDelegate : VTSynchronizationResultDelegate {
    void didSynchronizeTransaction(const Dictionary& details) override { result = details; }
    void synchronizingFailedForTransaction(const Dictionary& details) override { result = details; }
    std::optional<Dictionary> result;
};

bool runUntil(const std::function<bool()>& done)
{
    return platform::RunLoop::main().advanceUntil(done, 10);
}

void startService(fakes::FakeSigningService& service)
{
    service.addAccount("ann@example.com", "demo-password",
                       {{"uid", "U-ANN"}, {"email", "ann@example.com"}, {"firstName", "Ann"}, {"lastName", "Lee"}},
                       "PKG-WELCOME");
    service.setDesignerSettings("PKG-WELCOME", {{"datepicker", {{"visibility", true}}}, {"label", {{"visibility", false}}}});
    service.setGroups({{{"id", "G1"}, {"name", "Legal"}, {"email", "legal@example.com"}, {"members", Dictionary::array()}}});
    service.start();
    ZKServerSettings::sharedInstance()->setServerAddress(service.address());
}

bool signIn()
{
    bool done = false;
    bool succeeded = false;
    Veltra::dashboard()->loginWithEmailPasswordAndCallback("ann@example.com", "demo-password", [&](const Dictionary& result) {
        succeeded = result.contains("data");
        if (!succeeded) {
            std::cout << "Sign-in failed: " << result["error"].value("description", "") << "\n";
        }
        done = true;
    });
    runUntil([&] { return done; });
    if (succeeded) {
        const auto identity = ZKIdentity::sharedInstance();
        const auto designer = ZKDesignerHelper::sharedInstance();
        std::cout << "Signed in as " << identity->firstName().value_or("") << " " << identity->lastName().value_or("")
                  << " <" << identity->email().value_or("") << ">\n"
                  << "Designer offers the date field: " << (designer->isVisibleWithType("datepicker") ? "yes" : "no")
                  << ", the label: " << (designer->isVisibleWithType("label") ? "yes" : "no") << "\n";
    }
    return succeeded;
}

std::optional<std::string> storeLocalDraft()
{
    const std::string guid = "LOCAL-DEMO-DRAFT";
    const std::filesystem::path folder = ZKFileManager::folderPathForTransactionWithGUID(guid);
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "offer.pdf", std::ios::binary) << "%PDF-1.4 demo offer";
    const Dictionary draft{
        {"guid", guid},
        {"title", "Offer letter"},
        {"draft", true},
        {"local", true},
        {"participants", {{{"uid", "P1"}, {"email", "bob@example.com"}, {"firstName", "Bob"}}}},
        {"documents", {{{"ident", "D1"}, {"name", "Offer.pdf"}, {"fileName", "offer.pdf"},
                        {"elements", {{{"ident", "E1"}, {"type", "SIGNATURE"}, {"roles", {"P1"}}}}}}}}};
    auto& store = *ZKTransactionManager::sharedInstance()->dataManager()->store();
    const auto mapped = ZKTransactionMapper::transactionFromDictionary(draft, store);
    if (std::holds_alternative<ZKError>(mapped) || store.save()) {
        std::cout << "The local draft could not be stored.\n";
        return std::nullopt;
    }
    std::cout << "Stored the local draft " << guid << "\n";
    return guid;
}

void synchronize(const std::string& guid, const host::DemoContext& context)
{
    const auto delegate = std::make_shared<DemoSynchronizationDelegate>();
    VTTransactionSyncQueue::sharedInstance()->setResultDelegate(delegate);
    VTTransactionSyncQueue::sharedInstance()->addTransaction(guid);
    runUntil([&] { return delegate->result.has_value(); });
    if (!delegate->result || delegate->result->contains("error")) {
        std::cout << "Synchronising failed: " << delegate->result.value_or(Dictionary()).dump() << "\n";
        return;
    }
    const auto serviceGuid = (*delegate->result)["guid"].get<std::string>();
    std::cout << "Synchronised: the service knows the draft as " << serviceGuid << "\n";
    std::ofstream(context.outputDirectory / "service-demo-package.json") << Dictionary(*delegate->result).dump(2) << "\n";
}

} // namespace

static host::DemoRegistration registration(50, "Service sign-in and synchronisation", [](const host::DemoContext& context) {
    fakes::FakeSigningService service;
    startService(service);
    std::cout << "Stand-in service at " << service.address() << "\n";
    if (!signIn()) {
        return;
    }
    if (const auto guid = storeLocalDraft()) {
        synchronize(*guid, context);
    }
});

