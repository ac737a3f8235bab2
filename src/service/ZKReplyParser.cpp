#include "service/ZKReplyParser.h"

#include "service/ZKEndpoints.h"

#include <string>

namespace {

using platform::dictionary::stringAt;

} // namespace

bool ZKReplyParser::isSuccess(long status)
{
    return status >= 200 && status < 300;
}

bool ZKReplyParser::isNestedTooDeeply(std::string_view body)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : body) {
        if (escaped) {
            escaped = false;
        } else if (inString) {
            escaped = c == '\\';
            inString = c != '"';
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaximumDepth) {
                return true;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

ZKReply ZKReplyParser::parse(long status, std::string_view body)
{
    if (isNestedTooDeeply(body)) {
        return ZKReply::failure(ZKError::make(ZKError::unexpectedReply, "The service's reply is nested too deeply."),
                                status);
    }
    auto document = body.find_first_not_of(" \t\r\n") == std::string_view::npos
                        ? Dictionary::object()
                        : Dictionary::parse(body, nullptr, false);
    if (document.is_discarded()) {
        if (isSuccess(status)) {
            return ZKReply::failure(ZKError::make(ZKError::replyNotJson, "The service's reply is not JSON."), status);
        }
        return ZKReply::failure(
            ZKError::make(ZKError::httpFailure, "The service answered with status " + std::to_string(status) + "."),
            status);
    }
    if (!isSuccess(status)) {
        return serviceError(status, document);
    }
    ZKReply reply;
    reply.status = status;
    reply.json = std::move(document);
    return reply;
}

ZKReply ZKReplyParser::parseDownload(long status, std::string_view body)
{
    if (!isSuccess(status)) {
        return parse(status, body);
    }
    ZKReply reply;
    reply.status = status;
    reply.json = Dictionary::object();
    reply.bytes = std::string(body);
    return reply;
}

ZKReply ZKReplyParser::serviceError(long status, const Dictionary& body)
{
    const auto fallback = "The service answered with status " + std::to_string(status) + ".";
    if (!body.is_object()) {
        return ZKReply::failure(ZKError::make(ZKError::httpFailure, fallback), status);
    }
    const auto messageKey = stringAt(body, "messageKey");
    const auto message = stringAt(body, "message");
    if (!messageKey && !message) {
        return ZKReply::failure(ZKError::make(ZKError::httpFailure, fallback), status);
    }
    const auto code = body.find("code");
    const long errorCode = code != body.end() && code->is_number_integer() ? code->get<long>() : status;
    return ZKReply::failure(ZKError(stringAt(body, "domain").value_or(ZKEndpoints::kServiceErrorDomain), errorCode,
                                    message ? *message : *messageKey, messageKey),
                            status);
}
