#pragma once

#include "foundation/Dictionary.h"

#include <optional>
#include <string>

// The shape a transaction dictionary must have before any of it is applied: the type of
// every known key (unknown keys are ignored), the identifiers that must be present, and
// numbers that fit where they go.
class TransactionDictionarySchema {
public:
    // Empty when the dictionary is sound, else what is wrong with it ("documents[2].ident:
    // missing").
    static std::optional<std::string> problemIn(const Dictionary& dictionary);
};
