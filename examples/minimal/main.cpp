// The smallest host: it signs a sender in, opens the composer on a new transaction,
// closes it and hears its delegate. Usage: veltra-minimal <service address> <e-mail> <password>
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/VeltraDelegate.h"
#include "sdk/facade/Veltra.h"
#include "ui/NavigationController.h"
#include "ui/Window.h"

#include <filesystem>
#include <iostream>

// Messages arrive on the main thread while its run loop runs.
struct HostDelegate : VeltraDelegate {
    void didExitSDK(const Dictionary&) override
    {
        std::cout << "The SDK closed\n";
        exited = true;
    }
    // The outcome of each transaction sent to the service; this host sends none.
    void didSynchronizeTransaction(const Dictionary&) override {}
    void synchronizingFailedForTransaction(const Dictionary&) override {}
    bool exited = false;
};

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: veltra-minimal <service address> <e-mail> <password>\n";
        return 2;
    }
    // The device: where the SDK keeps its files, where its resources are, which thread is main.
    platform::Environment::setHomeDirectory(std::filesystem::temp_directory_path() / "veltra-minimal");
    platform::Environment::setResourceDirectory(VELTRA_RESOURCE_DIR);
    auto& mainLoop = platform::RunLoop::main();
    mainLoop.bindToCurrentThread();
    // The host's window; the SDK shows its pages over the root it is given.
    const auto window = std::make_shared<platform::ui::Window>();
    const auto root = std::make_shared<platform::ui::ViewController>();
    window->setRootViewController(std::make_shared<platform::ui::NavigationController>(root));
    window->makeKeyAndVisible();

    const auto sdk = Veltra::dashboard();
    const auto delegate = std::make_shared<HostDelegate>();
    sdk->setDelegate(delegate);
    sdk->setRootViewController(root);
    sdk->setServerAddress(argv[1]);
    std::optional<Dictionary> login;
    sdk->loginWithEmailPasswordAndCallback(argv[2], argv[3], [&login](const Dictionary& reply) { login = reply; });
    if (!mainLoop.runUntil([&login] { return login.has_value(); }, 10) || login->contains("error")) {
        std::cerr << "Sign-in failed\n";
        return 1;
    }

    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Lease");
    transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
        "Tia", "Tenant", "tia@example.com", std::nullopt, std::nullopt, "signer0"));
    if (!sdk->createAndStartEditWithTransaction(transaction, true, true, true)) {
        std::cerr << "The composer could not be shown\n";
        return 1;
    }
    // A sender would edit the transaction and tap Close; this host closes it at once.
    sdk->exitSDK();
    return mainLoop.runUntil([&delegate] { return delegate->exited; }, 10) ? 0 : 1;
}
