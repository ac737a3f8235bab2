#include "foundation/Environment.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKTransaction.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKTransactionMapper.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <variant>

namespace {

// A store in a fresh home directory of its own, installed as the class-level manager.
class BenchStore {
public:
    BenchStore()
    {
        home_ = std::filesystem::temp_directory_path() / ("veltra-bench-" + std::to_string(std::random_device()()));
        std::filesystem::create_directories(home_);
        platform::Environment::setHomeDirectory(home_);
        manager = ZKCoreDataManager::openDefault().manager;
        VeltManagedObject::setStoreManager(manager);
    }
    ~BenchStore()
    {
        VeltManagedObject::setStoreManager(nullptr);
        manager.reset();
        std::filesystem::remove_all(home_);
    }

    std::shared_ptr<ZKTransaction> store(const Dictionary& dictionary)
    {
        auto transaction = std::get<std::shared_ptr<ZKTransaction>>(
            ZKTransactionMapper::transactionFromDictionary(dictionary, *manager));
        manager->save();
        return transaction;
    }

    std::shared_ptr<ZKCoreDataManager> manager;

private:
    std::filesystem::path home_;
};

// `radioGroups` > 0 makes every third element a radio button of approval "sig" in one of
// that many groups.
Dictionary transaction(const std::string& guid, int documents, int elements, int participants, int radioGroups = 0)
{
    Dictionary participantList = Dictionary::array();
    for (int p = 0; p < participants; ++p) {
        participantList.push_back({{"uid", "role-" + std::to_string(p)}, {"order", p},
                                   {"email", "signer" + std::to_string(p) + "@example.com"},
                                   {"firstName", "First"}, {"lastName", "Last"}});
    }
    Dictionary documentList = Dictionary::array();
    for (int d = 0; d < documents; ++d) {
        Dictionary elementList = Dictionary::array();
        for (int e = 0; e < elements / documents; ++e) {
            const bool radio = radioGroups > 0 && e % 3 == 0;
            Dictionary element = {{"ident", guid + "-" + std::to_string(d) + "-" + std::to_string(e)},
                                  {"name", "Field"}, {"type", radio ? "Radio" : "TextBox"},
                                  {"approval", radio ? "sig" : "other"}, {"page", 1 + e % 5},
                                  {"x", 10.0}, {"y", 20.0 * e}, {"width", 130.0}, {"height", 38.0},
                                  {"roles", {"role-0"}}, {"validation", {{"required", false}}}};
            if (radio) {
                element["validation"]["enumeration"] = {"group " + std::to_string(e % radioGroups)};
            }
            elementList.push_back(std::move(element));
        }
        documentList.push_back({{"ident", guid + "-doc" + std::to_string(d)}, {"name", "Document"}, {"order", d},
                                {"elements", std::move(elementList)}});
    }
    return {{"guid", guid}, {"title", "Benchmark"}, {"status", "draft"}, {"draft", true},
            {"participants", std::move(participantList)}, {"documents", std::move(documentList)}};
}

void BM_SaveTransactionOf20Documents10Participants1000Elements(benchmark::State& state)
{
    BenchStore store;
    int serial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto dictionary = transaction("trx-" + std::to_string(serial++), 20, 1000, 10);
        ZKTransactionMapper::transactionFromDictionary(dictionary, *store.manager);
        state.ResumeTiming();
        if (store.manager->save()) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_SaveTransactionOf20Documents10Participants1000Elements)->Unit(benchmark::kMillisecond);

void BM_ChangeOneElementContentAndSave(benchmark::State& state)
{
    BenchStore store;
    const auto stored = store.store(transaction("trx", 20, 1000, 10));
    const auto element = stored->documents()[7]->elements()[13];
    int serial = 0;
    for (auto _ : state) {
        element->updateContent("value " + std::to_string(serial++));
    }
}
BENCHMARK(BM_ChangeOneElementContentAndSave)->Unit(benchmark::kMicrosecond);

// Placing one field as the designer does: the element made in the store on the shown
// document, and the draft marked local and saved. The draft holds `range(0)` fields
// before the first placement.
void BM_PlaceOneFieldAmong(benchmark::State& state)
{
    BenchStore store;
    const auto draft = store.store(transaction("trx", 1, static_cast<int>(state.range(0)), 2));
    for (auto _ : state) {
        ZKElement::createElementFromTypeForApprovalForRolesWithAutofillValueWithFrameInDocumentIndexAndPageNumberForTransaction(
            "TextBox", std::string("trx-0-0"), {"role-0"}, std::nullopt, platform::graphics::makeRect(40, 60, 130, 38),
            0, 1, draft);
        if (!draft->setLocal()) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_PlaceOneFieldAmong)->Arg(0)->Arg(1000)->Arg(10000)->Iterations(500)->Unit(benchmark::kMicrosecond);

// Opening the store where none is yet, as the first launch in a fresh home does.
void BM_OpenStoreInAFreshHome(benchmark::State& state)
{
    const auto root = std::filesystem::temp_directory_path() / ("veltra-bench-open-" + std::to_string(std::random_device()()));
    int serial = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto file = root / std::to_string(serial++) / "VeltCoreDB.sqlite";
        state.ResumeTiming();
        auto manager = ZKCoreDataManager::open(file).manager;
        // Closing is not part of opening.
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_OpenStoreInAFreshHome)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RadioGroupNamesOver10000Elements(benchmark::State& state)
{
    BenchStore store;
    store.store(transaction("trx", 4, 10000, 4, 40));
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent("sig", "trx-doc0"));
    }
}
BENCHMARK(BM_RadioGroupNamesOver10000Elements)->Unit(benchmark::kMicrosecond);

void BM_TransactionWithGuidAmong1000(benchmark::State& state)
{
    BenchStore store;
    for (int t = 0; t < 1000; ++t) {
        ZKTransactionMapper::transactionFromDictionary(transaction("guid-" + std::to_string(t), 1, 2, 1),
                                                       *store.manager);
    }
    store.manager->save();
    std::mt19937 random(7);
    for (auto _ : state) {
        const auto guid = "GUID-" + std::to_string(random() % 1000);
        benchmark::DoNotOptimize(ZKTransaction::transactionWithGIUD(guid));
    }
}
BENCHMARK(BM_TransactionWithGuidAmong1000)->Unit(benchmark::kMicrosecond);

} // namespace
