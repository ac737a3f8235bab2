#pragma once

#include "foundation/Dictionary.h"
#include "support/ZKError.h"

#include <optional>
#include <string>

// The outcome of one request: the JSON document (or the bytes of a download) of a
// successful reply, or the error.
struct ZKReply {
    long status = 0;                 // HTTP status; 0 when no reply came
    Dictionary json;                 // the reply's document (an empty object for no body)
    std::string bytes;               // the body of a successful download
    std::optional<ZKError> error;

    bool succeeded() const { return !error.has_value(); }

    static ZKReply failure(ZKError error, long status = 0)
    {
        ZKReply reply;
        reply.status = status;
        reply.error = std::move(error);
        return reply;
    }
};
