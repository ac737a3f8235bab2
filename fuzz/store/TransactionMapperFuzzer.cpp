// Feeds arbitrary JSON to the transaction dictionary mapping: whatever it is, the mapping
// either refuses it or stores it, and what it stored maps back and in again unchanged.
#include "model/ZKTransaction.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKTransactionMapper.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

namespace {

ZKCoreDataManager& store()
{
    static const auto manager = ZKCoreDataManager::open(":memory:").manager;
    return *manager;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto dictionary = Dictionary::parse(std::string_view(reinterpret_cast<const char*>(data), size), nullptr, false);
    if (dictionary.is_discarded()) {
        return 0;
    }
    auto& manager = store();
    const auto result = ZKTransactionMapper::transactionFromDictionary(dictionary, manager);
    if (std::holds_alternative<ZKError>(result)) {
        if (manager.hasChanges()) {
            std::abort(); // a refused dictionary must leave nothing behind
        }
        return 0;
    }
    const auto transaction = std::get<std::shared_ptr<ZKTransaction>>(result);
    if (manager.save()) {
        std::abort();
    }
    const auto stored = ZKTransactionMapper::dictionaryFromTransaction(*transaction);
    if (!std::holds_alternative<std::shared_ptr<ZKTransaction>>(ZKTransactionMapper::transactionFromDictionary(stored, manager)) ||
        ZKTransactionMapper::dictionaryFromTransaction(*transaction) != stored) {
        std::abort();
    }
    manager.deleteObject(transaction);
    if (manager.save()) {
        std::abort();
    }
    return 0;
}
