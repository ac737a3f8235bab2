#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <memory>
#include <variant>

class VeltObjectStore;
class ZKTransaction;

// Maps the transaction dictionary into stored entities and back.
//
// The dictionary (keys in this order; a missing key leaves the stored value as it is when
// a stored transaction is updated, and gives the default for a new one):
//   "guid"            string, required, not empty
//   "title"           string
//   "description"     string
//   "status"          string ("draft", "sent", "completed" ...)
//   "draft", "local"  booleans
//   "lastUpdate"      number, seconds since 1970
//   "due"             number, seconds since 1970, or null for no expiry
//   "emailMessage"    string, the message to all recipients
//   "advancedOptions" object: "inPerson", "autocomplete", "orderSigning" (booleans) and
//                     whatever else the service sent, kept as it is
//   "trxAttributes"   object, kept as it is
//   "predefinedActions" object of the booleans "deleteOnServer", "createOnServer",
//                     "send", "sign", "optOut", "complete"
//   "participants"    array of objects: "uid" (required), "order", "email",
//                     "firstName", "lastName", "title", "company", "isOwner",
//                     "isGroup", "authentication" (object), "emailMessage",
//                     "allowChangeSigners"
//   "documents"       array of objects: "ident" (required), "name", "order", "fileName",
//                     "elements": array of objects: "ident" (required), "name", "type",
//                     "autofill", "content", "readOnly", "approval", "page", "x", "y",
//                     "width", "height", "roles" (array of participant uids),
//                     "validation" (object: "required", "maxLength", "enumeration"
//                     (array of strings), "pattern")
// Participants, documents and elements are matched by uid/ident; those the dictionary no
// longer lists are deleted when it gives the list. Values of the wrong type are errors:
// nothing of the dictionary is applied then.
class ZKTransactionMapper {
public:
    using Result = std::variant<std::shared_ptr<ZKTransaction>, ZKError>;

    // Updates the stored transaction with the dictionary's guid (ignoring case), or
    // inserts a new one. Does not save.
    static Result transactionFromDictionary(const Dictionary& dictionary, VeltObjectStore& store);

    static Dictionary dictionaryFromTransaction(const ZKTransaction& transaction);
};
