#include "service/ZKVLTConnection.h"

#include "foundation/BackgroundWork.h"
#include "foundation/RunLoop.h"
#include "service/ZKEndpoints.h"
#include "service/ZKReplyParser.h"
#include "service/ZKServerConfiguration.h"
#include "service/ZKServerSettings.h"
#include "service/ZKSession.h"
#include "support/ZKLogger.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <mutex>
#include <system_error>
#include <utility>
#include <vector>

namespace {

// A reply larger than this is not a reply of the service; the transfer is abandoned.
constexpr std::size_t kMaximumReplySize = 64u << 20;

const char* const kHidden = "<hidden>";

void initializeCurlOnce()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t appendBody(char* data, size_t size, size_t count, void* userData)
{
    auto& body = *static_cast<std::string*>(userData);
    const auto length = size * count;
    if (body.size() + length > kMaximumReplySize) {
        return 0;
    }
    body.append(data, length);
    return length;
}

bool startsWithCaseInsensitive(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

std::string trimmedUrl(std::string address)
{
    while (!address.empty() && address.back() == '/') {
        address.pop_back();
    }
    return address;
}

Dictionary bodyForLog(const std::optional<Dictionary>& body)
{
    if (!body) {
        return nullptr;
    }
    auto shown = *body;
    if (shown.is_object() && shown.contains("password")) {
        shown["password"] = kHidden;
    }
    return shown;
}

std::string replyForLog(const std::string& body)
{
    if (ZKReplyParser::isNestedTooDeeply(body)) {
        return "<" + std::to_string(body.size()) + " bytes, nested too deeply to show>";
    }
    return body;
}

// libcurl takes whole milliseconds and reads 0 as "no time-out": a positive time-out
// shorter than a millisecond still ends the request, and a huge one stays in range.
long timeoutMilliseconds(double seconds)
{
    constexpr double kLongest = 1e15;
    return static_cast<long>(std::clamp(std::ceil(seconds * 1000), 1.0, kLongest));
}

ZKReply curlFailure(CURLcode code)
{
    if (code == CURLE_OPERATION_TIMEDOUT) {
        return ZKReply::failure(ZKError::make(ZKError::timedOut, "The service did not answer in time."));
    }
    return ZKReply::failure(
        ZKError::make(ZKError::networkFailure, std::string("The service could not be reached: ") + curl_easy_strerror(code)));
}

} // namespace

// The libcurl handles of one transfer, released together.
struct ZKVLTConnection::Transfer {
    CURL* handle = curl_easy_init();
    curl_slist* headers = nullptr;
    curl_mime* mime = nullptr;
    std::string payload;
    std::string body;
    std::vector<std::string> headerLines;

    ~Transfer()
    {
        curl_mime_free(mime);
        curl_slist_free_all(headers);
        curl_easy_cleanup(handle);
    }
};

namespace {

size_t collectHeader(char* data, size_t size, size_t count, void* userData)
{
    auto& lines = *static_cast<std::vector<std::string>*>(userData);
    const auto length = size * count;
    if (lines.size() < 256) {
        lines.emplace_back(data, length);
    }
    return length;
}

} // namespace

void ZKVLTConnection::send(ZKRequest request, Completion completion, Delivery delivery)
{
    std::make_shared<ZKVLTConnection>(std::move(request), std::move(completion), delivery)->start();
}

ZKVLTConnection::ZKVLTConnection(ZKRequest request, Completion completion, Delivery delivery)
    : request_(std::move(request)),
      completion_(std::move(completion)),
      delivery_(delivery),
      serverAddress_(ZKServerSettings::sharedInstance()->serverAddress()),
      appId_(ZKServerSettings::sharedInstance()->appId()),
      timeout_(ZKServerConfiguration::sharedInstance()->requestTimeout()),
      additionalHeaders_(ZKServerConfiguration::sharedInstance()->additionalHeaders()),
      session_(ZKSession::sharedInstance())
{
}

void ZKVLTConnection::start()
{
    initializeCurlOnce();
    try {
        platform::BackgroundWork::start([self = shared_from_this()] { self->finish(self->perform()); });
    } catch (const std::system_error& failure) {
        finish(ZKReply::failure(
            ZKError::make(ZKError::networkFailure, std::string("The request could not be started: ") + failure.what())));
    }
}

void ZKVLTConnection::finish(ZKReply reply)
{
    if (delivery_ == Delivery::networkThread) {
        completion_(reply);
        return;
    }
    platform::RunLoop::main().dispatchAsync(
        [self = shared_from_this(), reply = std::move(reply)] { self->completion_(reply); });
}

std::map<std::string, std::string> ZKVLTConnection::headers() const
{
    auto headers = additionalHeaders_;
    for (const auto& [name, value] : request_.headers) {
        headers[name] = value;
    }
    headers["Accept"] = ZKEndpoints::kAccept;
    headers["app-id"] = appId_;
    if (request_.body && request_.files.empty()) {
        headers["Content-Type"] = "application/json";
    }
    if (const auto sessionId = session_->sessionId()) {
        headers["Cookie"] = std::string(ZKEndpoints::kSessionCookie) + "=" + *sessionId;
    }
    return headers;
}

ZKReply ZKVLTConnection::perform()
{
    if (!serverAddress_ || serverAddress_->empty()) {
        return ZKReply::failure(ZKError::make(ZKError::noServerAddress, "No server address has been set."));
    }
    const auto url = trimmedUrl(*serverAddress_) + request_.path;
    Transfer transfer;
    if (!transfer.handle) {
        return ZKReply::failure(ZKError::make(ZKError::networkFailure, "The connection could not be made."));
    }
    auto logged = headers();
    for (auto& [name, value] : logged) {
        const auto line = name + ": " + value;
        transfer.headers = curl_slist_append(transfer.headers, value.empty() ? (name + ";").c_str() : line.c_str());
    }
    if (logged.contains("Cookie")) {
        logged["Cookie"] = std::string(ZKEndpoints::kSessionCookie) + "=" + kHidden;
    }
    ZKLogger::logRequest(request_.method, url, logged, bodyForLog(request_.body));

    CURL* handle = transfer.handle;
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, timeoutMilliseconds(timeout_));
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, transfer.headers);
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, appendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer.body);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, collectHeader);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &transfer.headerLines);
    curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, request_.method.c_str());
    if (request_.body) {
        transfer.payload = request_.body->dump(-1, ' ', false, Dictionary::error_handler_t::replace);
    }
    if (!request_.files.empty()) {
        transfer.mime = curl_mime_init(handle);
        auto* payload = curl_mime_addpart(transfer.mime);
        curl_mime_name(payload, "payload");
        curl_mime_data(payload, transfer.payload.c_str(), transfer.payload.size());
        curl_mime_type(payload, "application/json");
        for (const auto& file : request_.files) {
            auto* part = curl_mime_addpart(transfer.mime);
            curl_mime_name(part, "file");
            curl_mime_filename(part, file.fileName.c_str());
            curl_mime_type(part, file.contentType.c_str());
            curl_mime_data(part, file.data.data(), file.data.size());
        }
        curl_easy_setopt(handle, CURLOPT_MIMEPOST, transfer.mime);
    } else if (request_.body) {
        curl_easy_setopt(handle, CURLOPT_POSTFIELDS, transfer.payload.c_str());
        curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE, static_cast<long>(transfer.payload.size()));
    }

    const auto code = curl_easy_perform(handle);
    if (code != CURLE_OK) {
        ZKLogger::logResponse(url, 0, curl_easy_strerror(code));
        return curlFailure(code);
    }
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    const bool download = request_.replyKind == ZKRequest::ReplyKind::bytes;
    ZKLogger::logResponse(url, status,
                          download ? "<" + std::to_string(transfer.body.size()) + " bytes>" : replyForLog(transfer.body));
    // A refused request (a 401, a 500) must not replace the session that later requests use.
    if (ZKReplyParser::isSuccess(status)) {
        for (const auto& line : transfer.headerLines) {
            recordSessionCookie(line);
        }
    }
    return download ? ZKReplyParser::parseDownload(status, transfer.body) : ZKReplyParser::parse(status, transfer.body);
}

void ZKVLTConnection::recordSessionCookie(const std::string& headerLine) const
{
    if (!startsWithCaseInsensitive(headerLine, "Set-Cookie:")) {
        return;
    }
    auto cookie = std::string_view(headerLine).substr(std::string_view("Set-Cookie:").size());
    cookie.remove_prefix(std::min(cookie.find_first_not_of(' '), cookie.size()));
    const auto name = std::string(ZKEndpoints::kSessionCookie) + "=";
    if (!cookie.starts_with(name)) {
        return;
    }
    cookie.remove_prefix(name.size());
    const auto end = cookie.find_first_of(";\r\n");
    session_->setSessionId(std::string(cookie.substr(0, end)));
}
