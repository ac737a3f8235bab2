#pragma once

#include "foundation/Dictionary.h"
#include "service/ZKReply.h"

#include <functional>
#include <optional>
#include <string>

// The service's read operations. Callbacks run on the main thread unless said otherwise.
class ZKWebFetcher {
public:
    using SettingsCallback = std::function<void(const std::optional<Dictionary>&)>;
    using ReplyCallback = std::function<void(const ZKReply&)>;
    using ResultCallback = std::function<void(const Dictionary&)>;

    // The "fieldSettings" of the package's designer reply; nil when the request fails or
    // the reply has none; nil at once for an empty id.
    static void fieldSettingsWithTransactionIdCallback(const std::string& transactionId, SettingsCallback callback);

    // The package JSON of the package `guid` (ZKPackageShape).
    static void packageWithGuidCallback(const std::string& guid, ReplyCallback callback);
    // The PDF of one document of a package, in the reply's bytes.
    static void documentPdfWithPackageGuidDocumentIdCallback(const std::string& guid, const std::string& documentId,
                                                             ReplyCallback callback);

    // The login reply of the session in place.
    static void sessionWithCallback(ReplyCallback callback);

    // The account's signing groups, the first 999 by name, as {"count", "results": [{"id",
    // "name", "email", "members": [{"email"}]}]} or {"error": error}. Called back on the
    // network's thread.
    static void groupsWithCallback(ResultCallback callback);

    // The groups reply put in the shape above: texts where texts belong, members without
    // an e-mail dropped; an error when it is not a list of groups.
    static Dictionary groupsResultFromReply(const ZKReply& reply);
};
