#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "samples/HostWindow.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr int documentCount = 50;
constexpr int recipientCount = 200;

std::shared_ptr<VTTransaction> largeTransaction()
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Quarterly contracts");
    for (int index = 0; index < documentCount; ++index) {
        transaction->addDocument(
            VTDocument::initWithNameAndPath("Contract " + std::to_string(index), "/nowhere/contract.pdf"));
    }
    for (int index = 0; index < recipientCount; ++index) {
        const std::string number = std::to_string(index);
        transaction->addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
            "Signer", number, "signer" + number + "@example.com", "Company " + number, "Title", std::nullopt));
    }
    return transaction;
}

// Opening the main page on a host-built transaction of 50 documents and 200 recipients:
// the model answers at once, so this is the page loading, filling and laying out its
// table on a phone's window, push transition included.
void openMainPage(benchmark::State& state)
{
    const auto home = std::filesystem::temp_directory_path() / "veltra-composer-screens-bench";
    std::filesystem::create_directories(home);
    platform::Environment::setHomeDirectory(home);
    auto& loop = platform::RunLoop::main();
    loop.bindToCurrentThread();
    loop.useManualClock();
    const bench::HostWindow host;
    const auto facade = Veltra::dashboard();
    for (auto _ : state) {
        state.PauseTiming();
        const auto transaction = largeTransaction();
        state.ResumeTiming();
        facade->createAndStartEditWithTransaction(transaction, true, true, true);
        loop.advance(1);
        host.window->layoutIfNeeded();
        state.PauseTiming();
        host.navigation->popToRootViewController(false);
        loop.advance(1);
        state.ResumeTiming();
    }
    std::filesystem::remove_all(home);
}
BENCHMARK(openMainPage)->Unit(benchmark::kMillisecond);

} // namespace
