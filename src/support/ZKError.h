#pragma once

#include "foundation/Dictionary.h"

#include <optional>
#include <string>

// An error as the SDK hands it to callers: the SDK's own domain "VeltMobile" with one of
// the codes below, or the domain, code and message key that the service sent.
class ZKError {
public:
    static constexpr const char* kDomain = "VeltMobile";

    enum Code : long {
        noServerAddress = 1001,  // no server address has been set
        networkFailure = 1002,   // the request could not be sent or no reply came
        timedOut = 1003,         // no reply within the request time-out
        replyNotJson = 1004,     // the reply body is not a JSON document
        unexpectedReply = 1005,  // the reply is JSON but not of the expected shape
        httpFailure = 1006,      // an error status without a service error in the body
        missingIdentifier = 1007,// an operation was asked without the GUID it needs
        notFound = 1008,         // no stored transaction has the GUID
        storeFailure = 1009,     // the local store refused the change
        documentMissing = 1010,  // a document's stored PDF cannot be read
        wrongThread = 1011,      // the local store was called from a thread other than the main one
    };

    ZKError(std::string domain, long code, std::string description, std::optional<std::string> messageKey = {});
    // An error of the SDK's own domain.
    static ZKError make(Code code, std::string description);

    const std::string& domain() const { return domain_; }
    long code() const { return code_; }
    const std::string& description() const { return description_; }
    const std::optional<std::string>& messageKey() const { return messageKey_; }

    // {"domain", "code", "description"[, "messageKey"]}: the error as a value of a result
    // dictionary ({"error": ...}).
    Dictionary toDictionary() const;

private:
    std::string domain_;
    long code_;
    std::string description_;
    std::optional<std::string> messageKey_;
};
