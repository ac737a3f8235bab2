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

void ZKWebPoster::createPackageWithDocumentsIdempotencyKeyCallback(const Dictionary& package,
                                                                   std::vector<ZKUploadFile> documents,
                                                                   const std::string& idempotencyKey,
                                                                   ReplyCallback callback)
{
    auto request = ZKRequest::post(ZKEndpoints::packages(), package);
    request.files = std::move(documents);
    request.headers[kIdempotencyKeyHeader] = idempotencyKey;
    ZKVLTConnection::send(std::move(request), std::move(callback));
}

void ZKWebPoster::createDraftFromTemplateWithGuidCallback(const std::string& templateGuid, ReplyCallback callback)
{
    ZKVLTConnection::send(ZKRequest::post(ZKEndpoints::draftFromTemplate(templateGuid), Dictionary::object()),
                          std::move(callback));
}
