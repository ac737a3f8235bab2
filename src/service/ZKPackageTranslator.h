#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <map>
#include <string>
#include <variant>

// The service's ids of a package it created, by the local ids they replace.
struct ZKPackageIdentifiers {
    std::string guid;                        // the package's id
    std::map<std::string, std::string> ids;  // local participant uid / document / element ident -> service id
};

// Translation of the transaction dictionary (ZKTransactionMapper's form) into the package
// JSON sent to create a package (ZKPackageShape), and of the created package's ids. The
// created package comes back in the same shape and order with the service's ids.
class ZKPackageTranslator {
public:
    static Dictionary packageFromTransactionDictionary(const Dictionary& transaction);

    // Pairs the ids of the package sent with those of the package created, position by
    // position; an error when the reply does not hold one id for every object sent.
    static std::variant<ZKPackageIdentifiers, ZKError> identifiersFromCreatedPackage(const Dictionary& sent,
                                                                                    const Dictionary& created);
};
