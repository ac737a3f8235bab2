#pragma once

#include "service/ZKReply.h"

#include <string_view>

// Turns what the service sent (status and body) into a reply: the JSON document of a
// success, the service's own error (domain, code, message key) of a failure status, or
// an SDK error when the body is not what a reply can be.
class ZKReplyParser {
public:
    // Replies nested deeper than this are refused: copying or printing them would
    // recurse that deep.
    static constexpr int kMaximumDepth = 256;

    static ZKReply parse(long status, std::string_view body);
    // A download: the body of a success kept as it came; a failure read as parse() does.
    static ZKReply parseDownload(long status, std::string_view body);
    static bool isNestedTooDeeply(std::string_view body);
    // A 2xx status; anything else, redirects included, is a failure.
    static bool isSuccess(long status);

private:
    static ZKReply serviceError(long status, const Dictionary& body);
};
