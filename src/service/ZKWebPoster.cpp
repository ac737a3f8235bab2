#include "service/ZKWebPoster.h"

#include "service/ZKEndpoints.h"
#include "service/ZKVLTConnection.h"

#include <utility>

void ZKWebPoster::loginWithEmailPasswordCallback(const std::string& email, const std::string& password,
                                                 ReplyCallback callback)
{
    ZKVLTConnection::send(ZKRequest::post(ZKEndpoints::session(), {{"email", email}, {"password", password}}),
                          std::move(callback));
}

void ZKWebPoster::createPackageWithDocumentsCallback(const Dictionary& package, std::vector<ZKUploadFile> documents,
                                                     ReplyCallback callback)
{
    auto request = ZKRequest::post(ZKEndpoints::packages(), package);
    request.files = std::move(documents);
    ZKVLTConnection::send(std::move(request), std::move(callback));
}
