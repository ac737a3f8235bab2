#pragma once

#include "foundation/Dictionary.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// One file of a multipart upload.
struct ZKUploadFile {
    std::string fileName;
    std::string contentType;
    std::string data;
};

// What to ask the service: a method and a path under the server address, with a JSON
// body, or with a multipart body of a JSON part "payload" and one part "file" per upload.
// A successful reply is read as JSON, or kept as it came for a file download. `headers`
// are added to those every request carries.
struct ZKRequest {
    enum class ReplyKind { json, bytes };

    std::string method = "GET";
    std::string path;
    std::optional<Dictionary> body;
    std::vector<ZKUploadFile> files;
    ReplyKind replyKind = ReplyKind::json;
    std::map<std::string, std::string> headers;

    static ZKRequest get(std::string path) { return ZKRequest{"GET", std::move(path), std::nullopt, {}, ReplyKind::json, {}}; }
    static ZKRequest post(std::string path, Dictionary body)
    {
        return ZKRequest{"POST", std::move(path), std::move(body), {}, ReplyKind::json, {}};
    }
    static ZKRequest remove(std::string path)
    {
        return ZKRequest{"DELETE", std::move(path), std::nullopt, {}, ReplyKind::json, {}};
    }
    static ZKRequest download(std::string path)
    {
        return ZKRequest{"GET", std::move(path), std::nullopt, {}, ReplyKind::bytes, {}};
    }
};
