#include "ComposerWindow.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"

#include <benchmark/benchmark.h>

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
    composer_bench::ComposerWindow composer;
    for (auto _ : state) {
        state.PauseTiming();
        const auto transaction = largeTransaction();
        state.ResumeTiming();
        composer.open(transaction);
        state.PauseTiming();
        composer.close();
        state.ResumeTiming();
    }
}
BENCHMARK(openMainPage)->Unit(benchmark::kMillisecond);

} // namespace
