#pragma once

#include "foundation/Dictionary.h"
#include "service/ZKReply.h"
#include "service/ZKRequest.h"

#include <functional>
#include <string>
#include <vector>

// The service's write operations. Callbacks run on the main thread.
class ZKWebPoster {
public:
    using ReplyCallback = std::function<void(const ZKReply&)>;

    // Opens a session; the reply is the login reply and sets the session cookie.
    static void loginWithEmailPasswordCallback(const std::string& email, const std::string& password,
                                               ReplyCallback callback);

    // The header that makes a create idempotent: the service answers a repeat of the key
    // with the package the first request created.
    static constexpr const char* kIdempotencyKeyHeader = "Idempotency-Key";

    // Creates a package from its JSON and the PDFs of its documents, in document order;
    // the reply is the created package with the service's ids. A request sent again with
    // the same key (a local GUID) creates nothing new.
    static void createPackageWithDocumentsIdempotencyKeyCallback(const Dictionary& package,
                                                                 std::vector<ZKUploadFile> documents,
                                                                 const std::string& idempotencyKey,
                                                                 ReplyCallback callback);

    // Makes a new draft package from the template package `templateGuid`; the reply is the
    // draft's package JSON with ids of its own.
    static void createDraftFromTemplateWithGuidCallback(const std::string& templateGuid, ReplyCallback callback);
};
