#pragma once

#include "foundation/Dictionary.h"
#include "service/ZKPackageTranslator.h"

#include <map>
#include <string>

class ZKTransaction;

// Gives a transaction new identifiers: its GUID, and its participants' uids, documents'
// and elements' idents, with every reference to them (an element's roles and approval)
// following. Identifiers the map does not name are kept.
class ZKIdentifierReplacement {
public:
    explicit ZKIdentifierReplacement(ZKPackageIdentifiers identifiers);

    // New UUIDs for every identifier of a transaction dictionary.
    static ZKIdentifierReplacement freshIdentifiersFor(const Dictionary& transaction);

    const std::string& guid() const { return identifiers_.guid; }
    // The replacement that undoes this one, for a transaction whose GUID was `guid`.
    ZKIdentifierReplacement inverse(const std::string& guid) const;

    void applyToDictionary(Dictionary& transaction) const;
    void applyToTransaction(ZKTransaction& transaction) const;

private:
    std::string replaced(const std::string& id) const;
    void replaceInElement(Dictionary& element) const;
    void replaceStringAt(Dictionary& object, const char* key) const;

    ZKPackageIdentifiers identifiers_;
};
