// The composer's pages on large transactions: many recipients, many documents, a dropped
// contact card of many people, and very long texts. Each page runs on a phone's window
// with a manual clock; a figure is the page's own work, the run loop's delays included.
#include "ComposerWindow.h"
#include "SampleTransaction.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionPageRowHeights.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"
#include "composer/screens/CreateTransactionSettingsVC.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "contacts/VCardWriter.h"
#include "dragdrop/DropInjector.h"
#include "dragdrop/TypeIdentifier.h"
#include "foundation/RunLoop.h"
#include "samples/SampleText.h"
#include "sdk/VTTransaction.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using Row = CreateTransactionPageRowHeights::Row;

Dictionary signerInput(int number)
{
    const std::string text = std::to_string(number);
    return Dictionary{{"firstName", "Added"},
                      {"lastName", text},
                      {"email", "added" + text + "@example.com"},
                      {"allowSignerChange", false},
                      {"authentication", Dictionary{{"type", "email"}}}};
}

std::shared_ptr<VTTransaction> transactionWith(int documents, int recipients, const std::string& name = "Contracts")
{
    return composer_bench::sampleTransaction(name, documents, recipients);
}

// Opening the main page on a transaction of that many documents and three recipients.
void openMainPageWithDocuments(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto transaction = transactionWith(static_cast<int>(state.range(0)), 3);
    for (auto _ : state) {
        composer.open(transaction);
        state.PauseTiming();
        composer.close();
        state.ResumeTiming();
    }
}
BENCHMARK(openMainPageWithDocuments)->Arg(50)->Arg(10000)->Unit(benchmark::kMillisecond);

// One recipient added to the open main page, as the add-recipient page adds it, with
// range(0) recipients and range(1) documents already there.
void addRecipient(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto recipients = static_cast<int>(state.range(0));
    composer.open(transactionWith(static_cast<int>(state.range(1)), recipients));
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    int added = 0;
    for (auto _ : state) {
        model->addSignerAtIndex(signerInput(added++), recipients);
        composer.window->layoutIfNeeded();
        state.PauseTiming();
        model->removeSignerWithIndex(recipients);
        composer.settle();
        state.ResumeTiming();
    }
    composer.close();
}
BENCHMARK(addRecipient)
    ->Args({10, 1})
    ->Args({1000, 1})
    ->Args({10000, 1})
    ->Args({10, 10000})
    ->Unit(benchmark::kMillisecond);

// Save on the settings page of a transaction of 1,000 documents and 1,000 recipients,
// back on the main page.
void settingsSave(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto page = composer.open(transactionWith(1000, 1000));
    for (auto _ : state) {
        state.PauseTiming();
        page->performSegue(CreateTransactionStoryboard::toSettingsPageSegue, page);
        composer.settle();
        const auto settings = std::dynamic_pointer_cast<CreateTransactionSettingsVC>(page->presentedViewController());
        state.ResumeTiming();
        settings->saveButton.lock()->sendActions(platform::ui::ControlEvent::touchUpInside);
        composer.settle();
    }
    composer.close();
}
BENCHMARK(settingsSave)->Unit(benchmark::kMillisecond);

// A contact card of range(0) people dropped on the recipient list of the open main page,
// until every one of them has joined.
void dropContactCard(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto people = static_cast<int>(state.range(0));
    const auto page = composer.open(transactionWith(1, 1));
    page->tableView.lock()->scrollToRow({0, Row::addRecipient}, platform::ui::TableScrollPosition::top, false);
    composer.settle();
    std::vector<platform::contacts::Contact> contacts(static_cast<std::size_t>(people));
    for (int index = 0; index < people; ++index) {
        contacts[index].givenName = "Dropped";
        contacts[index].familyName = std::to_string(index);
        contacts[index].emailAddresses = {{"work", "dropped" + std::to_string(index) + "@example.com"}};
    }
    const std::string card = platform::contacts::VCardWriter::write(contacts, platform::contacts::VCardVersion::v3_0);
    const platform::dragdrop::Bytes bytes(card.begin(), card.end());
    const auto model = VLTNewTransactionViewModel::sharedInstance();
    for (auto _ : state) {
        const auto list = std::dynamic_pointer_cast<CreateTransactionRecipientListCell>(
            page->tableView.lock()->cellForRow({0, Row::recipientList}));
        platform::dragdrop::DropInjector(composer.window)
            .drop({{std::make_shared<platform::dragdrop::ItemProvider>(
                      std::string(platform::dragdrop::TypeIdentifier::vCard), bytes)}},
                  *list);
        platform::RunLoop::main().runUntil([&] { return model->signersNumber() == people + 1; }, 600);
        composer.window->layoutIfNeeded();
        state.PauseTiming();
        while (model->signersNumber() > 1) {
            model->transaction()->removeSignerWithIndex(model->signersNumber() - 1);
        }
        page->tableView.lock()->reloadData();
        composer.settle();
        state.ResumeTiming();
    }
    composer.close();
}
BENCHMARK(dropContactCard)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The settings page opened on a description and a message of range(0) bytes each,
// laid out and drawn.
void settingsPageWithLongTexts(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto text = bench_samples::sampleText(static_cast<std::size_t>(state.range(0)));
    auto transaction = transactionWith(1, 1);
    transaction->setDesc(text);
    transaction->setEmailMessage(text);
    const auto page = composer.open(transaction);
    for (auto _ : state) {
        page->performSegue(CreateTransactionStoryboard::toSettingsPageSegue, page);
        composer.settle();
        composer.draw();
        state.PauseTiming();
        page->dismiss(false);
        composer.settle();
        state.ResumeTiming();
    }
    composer.close();
}
BENCHMARK(settingsPageWithLongTexts)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The main page opened on a transaction named with range(0) bytes, laid out and drawn.
void mainPageWithLongName(benchmark::State& state)
{
    composer_bench::ComposerWindow composer;
    const auto transaction = transactionWith(1, 1, bench_samples::sampleText(static_cast<std::size_t>(state.range(0))));
    for (auto _ : state) {
        composer.open(transaction);
        composer.draw();
        state.PauseTiming();
        composer.close();
        state.ResumeTiming();
    }
}
BENCHMARK(mainPageWithLongName)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace
