#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <variant>

// Translation of a fetched package (the package JSON of ZKPackageShape) into the
// transaction dictionary that the store maps into entities. The transaction is one the
// service holds: not local, a draft when its status is "DRAFT". Documents carry no
// "fileName": their PDFs are fetched separately.
class ZKTranslator {
public:
    using Result = std::variant<Dictionary, ZKError>;

    // An error when the package has no id, or its roles, documents or fields are not
    // lists of objects with distinct non-empty ids, or its status is not a text. Values
    // of the wrong type elsewhere are passed on for the store to refuse.
    static Result transactionDictionaryFromPackage(const Dictionary& package);
};
