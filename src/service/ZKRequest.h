#pragma once

#include "foundation/Dictionary.h"

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
struct ZKRequest {
    std::string method = "GET";
    std::string path;
    std::optional<Dictionary> body;
    std::vector<ZKUploadFile> files;

    static ZKRequest get(std::string path) { return ZKRequest{"GET", std::move(path), std::nullopt, {}}; }
    static ZKRequest post(std::string path, Dictionary body)
    {
        return ZKRequest{"POST", std::move(path), std::move(body), {}};
    }
};
