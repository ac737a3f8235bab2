#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

class ZKTransaction;

// Finds the transactions the facade hands out, with the PDFs of their documents on the
// device: stored ones, or else fetched from the service and stored.
class VeltraTransactionFetcher {
public:
    using Result = std::variant<std::shared_ptr<ZKTransaction>, ZKError>;
    using Completion = std::function<void(const Result&)>;

    // The transaction of that GUID (ignoring case), fetched when the device does not hold
    // it; an error when it cannot be had or a stored document's PDF cannot be read. A
    // stored transaction is answered at once, a fetched one on the main thread later.
    static void transactionWithGUID(const std::string& guid, const Completion& completion);
    // The stored transaction's dictionary, or nullopt when it is not stored.
    static std::optional<Dictionary> cachedDictionary(const std::string& guid);
    static Dictionary dictionaryOf(const ZKTransaction& transaction);
};
