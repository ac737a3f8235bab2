#include "composer/VLTNewTransactionViewModel.h"
#include "sdk/VTDocument.h"
#include "sdk/VTTransaction.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

Dictionary person(int number)
{
    const std::string name = "Person" + std::to_string(number);
    return Dictionary{{"firstName", name},    {"lastName", "Example"},      {"email", name + "@example.com"},
                      {"company", "Acme"},   {"title", "Clerk"},           {"allowSignerChange", false},
                      {"authentication", Dictionary{{"type", "email"}}}};
}

// Each recipient is validated against every one already added.
void AddThousandRecipients(benchmark::State& state)
{
    std::vector<Dictionary> inputs;
    for (int number = 0; number < 1000; ++number) {
        inputs.push_back(person(number));
    }
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (auto _ : state) {
        model->clearNewTransactionData();
        for (const auto& input : inputs) {
            benchmark::DoNotOptimize(model->addSignerAtIndex(input, 0));
        }
    }
    state.counters["recipients"] = static_cast<double>(model->signersNumber());
}
BENCHMARK(AddThousandRecipients)->Unit(benchmark::kMillisecond);

void DataForSignerWithIndex(benchmark::State& state)
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    model->clearNewTransactionData();
    for (int number = 0; number < state.range(0); ++number) {
        model->addSignerAtIndex(person(number), 0);
    }
    const int index = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model->dataForSignerWithIndex(index));
    }
}
BENCHMARK(DataForSignerWithIndex)->Arg(5)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The counts and one row of a document list of that many documents.
void DisplayDataForDocumentWithIndex(benchmark::State& state)
{
    auto transaction = std::make_shared<VTTransaction>();
    for (int number = 0; number < state.range(0); ++number) {
        transaction->addDocument(VTDocument::initWithNameAndPath("Contract " + std::to_string(number), "/nowhere.pdf"));
    }
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    model->setTransaction(transaction);
    const int index = static_cast<int>(state.range(0)) / 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model->documentsNumber());
        benchmark::DoNotOptimize(model->signersNumber());
        benchmark::DoNotOptimize(model->displayDataForDocumentWithIndex(index));
    }
    model->clearNewTransactionData();
}
BENCHMARK(DisplayDataForDocumentWithIndex)->Arg(5)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond);

void ValidateInternationalCellPhoneNumber(benchmark::State& state)
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    std::string formatted;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode("+44 7911 123456", formatted, "GB"));
    }
}
BENCHMARK(ValidateInternationalCellPhoneNumber)->Unit(benchmark::kMicrosecond);

// The keystroke after a paste of this many digits on the SMS page: validation, then the
// layout of the field.
void CellPhoneNumberKeystrokeAfterPaste(benchmark::State& state)
{
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    const std::string pasted(static_cast<std::size_t>(state.range(0)), '7');
    std::string formatted;
    for (auto _ : state) {
        benchmark::DoNotOptimize(model->validateCellPhoneNumberUpdatedPhoneNumberCountryCode(pasted, formatted, "US"));
        benchmark::DoNotOptimize(model->updatedCellPhoneNumberFromPhoneNumber(pasted));
    }
}
BENCHMARK(CellPhoneNumberKeystrokeAfterPaste)->Arg(15)->Arg(100)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
