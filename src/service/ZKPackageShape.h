#pragma once

#include "foundation/Dictionary.h"

#include <span>

// The package JSON of the service, in both directions: sent to create a package, and
// received from a package fetch. Keys of the transaction dictionary (ZKTransactionMapper's
// form) are renamed as the tables below say; both translators use them, so a package sent
// and fetched back gives the same transaction dictionary.
//
//   {"id": guid, "name": title, "description", "status", "emailMessage",
//    "due": seconds since 1970 or null, "settings": advanced options, "attributes",
//    "roles": [{"id": uid, "index": order, "isOwner", "isGroup", "reassign":
//               allowChangeSigners, "emailMessage", "authentication",
//               "signer": {"email", "firstName", "lastName", "title", "company"}}],
//    "documents": [{"id": ident, "name", "index": order,
//                   "fields": [{"id": ident, "name", "type", "autofill", "value": content,
//                               "readOnly", "approval", "page", "left": x, "top": y,
//                               "width", "height", "roles", "validation"}]}]}
//
// "status" is the service's upper-case form ("DRAFT", "SENT", "COMPLETED" ...), the
// transaction's status in lower case; a package is sent as "DRAFT".
class ZKPackageShape {
public:
    struct Key {
        const char* transaction;
        const char* package;
    };
    using Keys = std::span<const Key>;

    static Keys package();
    static Keys role();
    static Keys signer();
    static Keys document();
    static Keys field();

    // The entries of `from` that `keys` lists, renamed to the package's names or back to
    // the transaction's; missing entries are left out; anything but an object gives {}.
    static Dictionary toPackage(const Dictionary& from, Keys keys);
    static Dictionary toTransaction(const Dictionary& from, Keys keys);

    // The array under `key`, or an empty one.
    static Dictionary listOf(const Dictionary& from, const char* key);
};
