// A fetched package as the service sends it: translated into the transaction dictionary,
// which the store then either refuses whole or stores; a stored one is removed again.
#include "foundation/Log.h"
#include "model/ZKTransaction.h"
#include "service/ZKTranslator.h"
#include "store/ZKCoreDataManager.h"
#include "store/ZKTransactionMapper.h"

#include <cstddef>
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
    static const bool quiet = [] {
        platform::Log::setSink([](std::string_view, std::string_view) {});
        return true;
    }();
    (void)quiet;
    const auto package = Dictionary::parse(std::string_view(reinterpret_cast<const char*>(data), size), nullptr, false);
    if (package.is_discarded()) {
        return 0;
    }
    const auto translated = ZKTranslator::transactionDictionaryFromPackage(package);
    if (!std::holds_alternative<Dictionary>(translated)) {
        return 0;
    }
    auto& manager = store();
    const auto mapped = ZKTransactionMapper::transactionFromDictionary(std::get<Dictionary>(translated), manager);
    if (std::holds_alternative<ZKError>(mapped)) {
        if (manager.hasChanges()) {
            std::abort(); // a refused package must leave nothing behind
        }
        return 0;
    }
    if (manager.save()) {
        std::abort();
    }
    manager.deleteObject(std::get<std::shared_ptr<ZKTransaction>>(mapped));
    if (manager.save()) {
        std::abort();
    }
    return 0;
}
