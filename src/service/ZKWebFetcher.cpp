#include "service/ZKWebFetcher.h"

#include "service/ZKEndpoints.h"
#include "service/ZKVLTConnection.h"

#include <utility>

namespace {

using platform::dictionary::stringOrIntegerAt;

Dictionary membersOf(const Dictionary& group)
{
    auto members = Dictionary::array();
    const auto list = group.find("members");
    if (list == group.end() || !list->is_array()) {
        return members;
    }
    for (const auto& member : *list) {
        if (member.is_object() && member.contains("email") && member["email"].is_string()) {
            members.push_back({{"email", member["email"]}});
        }
    }
    return members;
}

Dictionary errorResult(const ZKError& error)
{
    return {{"error", error.toDictionary()}};
}

} // namespace

void ZKWebFetcher::fieldSettingsWithTransactionIdCallback(const std::string& transactionId, SettingsCallback callback)
{
    if (transactionId.empty()) {
        callback(std::nullopt);
        return;
    }
    ZKVLTConnection::send(ZKRequest::get(ZKEndpoints::designerSettings(transactionId)),
                          [callback = std::move(callback)](const ZKReply& reply) {
                              const auto& json = reply.json;
                              if (!reply.succeeded() || !json.is_object() || !json.contains("fieldSettings") ||
                                  json["fieldSettings"].is_null()) {
                                  callback(std::nullopt);
                                  return;
                              }
                              callback(json["fieldSettings"]);
                          });
}

void ZKWebFetcher::packageWithGuidCallback(const std::string& guid, ReplyCallback callback)
{
    ZKVLTConnection::send(ZKRequest::get(ZKEndpoints::package(guid)), std::move(callback));
}

void ZKWebFetcher::documentPdfWithPackageGuidDocumentIdCallback(const std::string& guid, const std::string& documentId,
                                                                ReplyCallback callback)
{
    ZKVLTConnection::send(ZKRequest::download(ZKEndpoints::documentPdf(guid, documentId)), std::move(callback));
}

void ZKWebFetcher::sessionWithCallback(ReplyCallback callback)
{
    ZKVLTConnection::send(ZKRequest::get(ZKEndpoints::session()), std::move(callback));
}

void ZKWebFetcher::groupsWithCallback(ResultCallback callback)
{
    ZKVLTConnection::send(
        ZKRequest::get(ZKEndpoints::groups()),
        [callback = std::move(callback)](const ZKReply& reply) { callback(groupsResultFromReply(reply)); },
        ZKVLTConnection::Delivery::networkThread);
}

Dictionary ZKWebFetcher::groupsResultFromReply(const ZKReply& reply)
{
    if (!reply.succeeded()) {
        return errorResult(*reply.error);
    }
    const auto& json = reply.json;
    const auto results = json.is_object() ? json.find("results") : json.end();
    if (!json.is_object() || results == json.end() || !results->is_array()) {
        return errorResult(ZKError::make(ZKError::unexpectedReply, "The groups reply holds no list of groups."));
    }
    auto groups = Dictionary::array();
    for (const auto& group : *results) {
        if (!group.is_object()) {
            return errorResult(ZKError::make(ZKError::unexpectedReply, "The groups reply holds a group of the wrong kind."));
        }
        groups.push_back({{"id", stringOrIntegerAt(group, "id").value_or("")},
                          {"name", stringOrIntegerAt(group, "name").value_or("")},
                          {"email", stringOrIntegerAt(group, "email").value_or("")},
                          {"members", membersOf(group)}});
    }
    const auto count = json.find("count");
    const bool countUsable = count != json.end() && count->is_number_unsigned();
    return {{"count", countUsable ? count->get<std::uint64_t>() : groups.size()}, {"results", std::move(groups)}};
}
