#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>

class ZKTransaction;

// Finds the transactions the facade hands out: stored ones, with the PDFs of their
// documents on the device. Transactions the device does not hold are reported as not
// found.
class VeltraTransactionFetcher {
public:
    using Result = std::variant<std::shared_ptr<ZKTransaction>, ZKError>;

    // The stored transaction of that GUID (ignoring case) when every document's PDF can
    // be read.
    static Result storedTransactionWithGUID(const std::string& guid);
    // The stored transaction's dictionary, or nullopt when it is not stored.
    static std::optional<Dictionary> cachedDictionary(const std::string& guid);
    static Dictionary dictionaryOf(const ZKTransaction& transaction);
};
