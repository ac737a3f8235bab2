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

    // Creates a package from its JSON and the PDFs of its documents, in document order;
    // the reply is the created package with the service's ids.
    static void createPackageWithDocumentsCallback(const Dictionary& package, std::vector<ZKUploadFile> documents,
                                                   ReplyCallback callback);
};
