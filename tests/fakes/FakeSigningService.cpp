#include "fakes/FakeSigningService.h"

#include "foundation/Uuid.h"

#include <httplib.h>

#include <utility>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>

namespace fakes {

namespace {

constexpr const char* kCookie = "VELTRA_SESSION_ID";

std::string ruleKey(const std::string& method, const std::string& path)
{
    return method + " " + path;
}

std::string sessionIdOf(const httplib::Request& request)
{
    const auto cookies = request.get_header_value("Cookie");
    const auto name = std::string(kCookie) + "=";
    const auto start = cookies.find(name);
    if (start == std::string::npos) {
        return "";
    }
    const auto value = cookies.substr(start + name.size());
    return value.substr(0, value.find(';'));
}

// Gives every object of `list` a new "id" and remembers old -> new.
void assignIds(Dictionary& list, std::map<std::string, std::string>& renamed)
{
    if (!list.is_array()) {
        return;
    }
    for (auto& item : list) {
        if (!item.is_object()) {
            continue;
        }
        const auto fresh = platform::makeUuidString();
        if (item.contains("id") && item["id"].is_string()) {
            renamed[item["id"].get<std::string>()] = fresh;
        }
        item["id"] = fresh;
    }
}

void rewriteReference(Dictionary& value, const std::map<std::string, std::string>& renamed)
{
    if (value.is_string()) {
        const auto found = renamed.find(value.get<std::string>());
        if (found != renamed.end()) {
            value = found->second;
        }
    } else if (value.is_array()) {
        for (auto& item : value) {
            rewriteReference(item, renamed);
        }
    }
}

// The ids of a package's documents, in order.
std::vector<std::string> documentIdsOf(const Dictionary& package)
{
    std::vector<std::string> ids;
    for (const auto& document : package.value("documents", Dictionary::array())) {
        ids.push_back(document.is_object() ? document.value("id", "") : "");
    }
    return ids;
}

std::size_t numberParameter(const httplib::Request& request, const char* name, std::size_t fallback)
{
    const auto text = request.get_param_value(name);
    std::size_t value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    return status == std::errc() && end == text.data() + text.size() ? value : fallback;
}

} // namespace

std::string FakeSigningService::RecordedRequest::header(const std::string& name) const
{
    for (const auto& [key, value] : headers) {
        if (std::equal(key.begin(), key.end(), name.begin(), name.end(),
                       [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
            return value;
        }
    }
    return "";
}

FakeSigningService::FakeSigningService() : server_(std::make_unique<httplib::Server>())
{
    route();
}

FakeSigningService::~FakeSigningService()
{
    stop();
}

bool FakeSigningService::start()
{
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        return false;
    }
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() is a no-op until the server runs, so it must not return before that. The
    // bound is only a safety net: a sanitizer on a busy machine may take long to get there.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!server_->is_running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void FakeSigningService::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopped_.notify_all();
    server_->stop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string FakeSigningService::address() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

void FakeSigningService::addAccount(const std::string& email, const std::string& password, const Dictionary& user,
                                    const std::optional<std::string>& packageGuid)
{
    std::lock_guard lock(mutex_);
    accounts_[email] = Account{password, user, packageGuid};
}

void FakeSigningService::setDesignerSettings(const std::string& packageGuid, const Dictionary& fieldSettings)
{
    std::lock_guard lock(mutex_);
    designerSettings_[packageGuid] = fieldSettings;
}

void FakeSigningService::setGroups(const Dictionary& groups)
{
    std::lock_guard lock(mutex_);
    groups_ = groups;
}

void FakeSigningService::addPackage(const std::string& guid, const Dictionary& package)
{
    std::lock_guard lock(mutex_);
    packages_[guid] = package;
}

std::optional<Dictionary> FakeSigningService::package(const std::string& guid) const
{
    std::lock_guard lock(mutex_);
    const auto found = packages_.find(guid);
    return found == packages_.end() ? std::nullopt : std::optional<Dictionary>(found->second);
}

std::size_t FakeSigningService::packageCount() const
{
    std::lock_guard lock(mutex_);
    return packages_.size();
}

std::vector<FakeSigningService::Upload> FakeSigningService::packageFiles(const std::string& guid) const
{
    std::lock_guard lock(mutex_);
    const auto found = packageFiles_.find(guid);
    return found == packageFiles_.end() ? std::vector<Upload>{} : found->second;
}

void FakeSigningService::setDocumentPdf(const std::string& guid, const std::string& documentId,
                                        const std::string& bytes)
{
    std::lock_guard lock(mutex_);
    documentPdfs_[{guid, documentId}] = bytes;
}

void FakeSigningService::setRule(const std::string& method, const std::string& path, const Rule& rule)
{
    std::lock_guard lock(mutex_);
    rules_[ruleKey(method, path)] = rule;
}

void FakeSigningService::clearRules()
{
    std::lock_guard lock(mutex_);
    rules_.clear();
}

void FakeSigningService::respondWith(const std::string& method, const std::string& path, int status,
                                     const std::string& body, int times)
{
    Rule rule;
    rule.status = status;
    rule.body = body;
    rule.remaining = times;
    setRule(method, path, rule);
}

void FakeSigningService::delay(const std::string& method, const std::string& path, double seconds)
{
    Rule rule;
    rule.delaySeconds = seconds;
    setRule(method, path, rule);
}

std::vector<FakeSigningService::RecordedRequest> FakeSigningService::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<FakeSigningService::RecordedRequest> FakeSigningService::requestsTo(const std::string& method,
                                                                               const std::string& path) const
{
    std::vector<RecordedRequest> matching;
    for (auto& request : requests()) {
        if (request.method == method && request.path == path) {
            matching.push_back(std::move(request));
        }
    }
    return matching;
}

void FakeSigningService::route()
{
    server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        record(request);
        return applyRule(request, response) ? httplib::Server::HandlerResponse::Handled
                                            : httplib::Server::HandlerResponse::Unhandled;
    });
    server_->set_post_routing_handler(
        [this](const httplib::Request& request, httplib::Response&) { recordAnswer(request); });
    server_->Post("/api/session", [this](const auto& request, auto& response) { login(request, response); });
    server_->Get("/api/session", [this](const auto& request, auto& response) { currentSession(request, response); });
    server_->Delete("/api/session", [this](const auto& request, auto& response) { logout(request, response); });
    server_->Get(R"(/api/packages/([^/]+)/designer)",
                 [this](const auto& request, auto& response) { designer(request, response); });
    server_->Get("/api/groups", [this](const auto& request, auto& response) { groups(request, response); });
    server_->Post("/api/packages", [this](const auto& request, auto& response) { createPackage(request, response); });
    server_->Post(R"(/api/packages/([^/]+)/clone)",
                  [this](const auto& request, auto& response) { cloneTemplate(request, response); });
    server_->Get(R"(/api/packages/([^/]+)/documents/([^/]+)/pdf)",
                 [this](const auto& request, auto& response) { documentPdf(request, response); });
    server_->Get(R"(/api/packages/([^/]+))",
                 [this](const auto& request, auto& response) { fetchPackage(request, response); });
}

void FakeSigningService::record(const httplib::Request& request)
{
    RecordedRequest recorded;
    recorded.method = request.method;
    recorded.path = request.path;
    recorded.body = request.body;
    for (const auto& [name, value] : request.params) {
        recorded.query += (recorded.query.empty() ? "" : "&") + name + "=" + value;
    }
    for (const auto& [name, value] : request.headers) {
        recorded.headers[name] = value;
    }
    for (const auto& [name, file] : request.files) {
        recorded.uploads.push_back({name, file.filename, file.content_type, file.content});
    }
    std::lock_guard lock(mutex_);
    recorded.arrived = nextEvent_++;
    unanswered_[&request] = requests_.size();
    requests_.push_back(std::move(recorded));
}

void FakeSigningService::recordAnswer(const httplib::Request& request)
{
    std::lock_guard lock(mutex_);
    const auto found = unanswered_.find(&request);
    if (found == unanswered_.end()) {
        return;
    }
    requests_[found->second].answered = nextEvent_++;
    unanswered_.erase(found);
}

bool FakeSigningService::applyRule(const httplib::Request& request, httplib::Response& response)
{
    Rule rule;
    {
        std::lock_guard lock(mutex_);
        const auto found = rules_.find(ruleKey(request.method, request.path));
        if (found == rules_.end() || found->second.remaining == 0) {
            return false;
        }
        if (found->second.remaining > 0) {
            --found->second.remaining;
        }
        rule = found->second;
    }
    if (!waitUnlessStopped(rule.delaySeconds)) {
        response.status = 503;
        return true;
    }
    if (!rule.status) {
        return false;
    }
    response.status = *rule.status;
    for (const auto& [name, value] : rule.headers) {
        response.set_header(name, value);
    }
    response.set_content(rule.body, rule.contentType.c_str());
    return true;
}

bool FakeSigningService::waitUnlessStopped(double seconds)
{
    std::unique_lock lock(mutex_);
    return !stopped_.wait_for(lock, std::chrono::duration<double>(seconds), [this] { return stopping_; });
}

bool FakeSigningService::authorised(const httplib::Request& request, httplib::Response& response)
{
    {
        std::lock_guard lock(mutex_);
        if (sessions_.contains(sessionIdOf(request))) {
            return true;
        }
    }
    error(response, 401, "error.session.expired", "The session is not valid.");
    return false;
}

void FakeSigningService::login(const httplib::Request& request, httplib::Response& response)
{
    const auto body = Dictionary::parse(request.body, nullptr, false);
    if (!body.is_object() || !body.contains("email") || !body["email"].is_string() || !body.contains("password") ||
        !body["password"].is_string()) {
        error(response, 400, "error.request.invalid", "E-mail and password are required.");
        return;
    }
    std::unique_lock lock(mutex_);
    const auto account = accounts_.find(body["email"].get<std::string>());
    if (account == accounts_.end() || account->second.password != body["password"].get<std::string>()) {
        lock.unlock();
        error(response, 401, "error.login.invalidCredentials", "Invalid e-mail or password.");
        return;
    }
    const auto sessionId = platform::makeUuidString();
    sessions_[sessionId] = account->first;
    const auto replyBody = loginReply(account->second);
    lock.unlock();
    response.set_header("Set-Cookie", std::string(kCookie) + "=" + sessionId + "; Path=/; HttpOnly");
    reply(response, 200, replyBody);
}

void FakeSigningService::currentSession(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    std::unique_lock lock(mutex_);
    const auto& account = accounts_.at(sessions_.at(sessionIdOf(request)));
    const auto replyBody = loginReply(account);
    lock.unlock();
    reply(response, 200, replyBody);
}

void FakeSigningService::designer(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    std::unique_lock lock(mutex_);
    const auto found = designerSettings_.find(request.matches[1]);
    if (found == designerSettings_.end()) {
        lock.unlock();
        error(response, 404, "error.package.notFound", "No such package.");
        return;
    }
    const Dictionary replyBody{{"fieldSettings", found->second}};
    lock.unlock();
    reply(response, 200, replyBody);
}

void FakeSigningService::groups(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    std::unique_lock lock(mutex_);
    std::vector<Dictionary> sorted(groups_.begin(), groups_.end());
    lock.unlock();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Dictionary& a, const Dictionary& b) {
        return a.value("name", "") < b.value("name", "");
    });
    const auto offset = std::min(numberParameter(request, "offset", 0), sorted.size());
    const auto limit = numberParameter(request, "limit", sorted.size());
    auto results = Dictionary::array();
    for (std::size_t i = offset; i < sorted.size() && i - offset < limit; ++i) {
        results.push_back(sorted[i]);
    }
    reply(response, 200, {{"count", sorted.size()}, {"results", results}});
}

void FakeSigningService::createPackage(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    const auto idempotencyKey = request.get_header_value("Idempotency-Key");
    if (const auto made = packageMadeFor(request, idempotencyKey)) {
        reply(response, 201, *made);
        return;
    }
    auto package = Dictionary::parse(request.get_file_value("payload").content, nullptr, false);
    if (!request.has_file("payload") || !package.is_object()) {
        error(response, 400, "error.package.invalid", "The package JSON is missing or not an object.");
        return;
    }
    std::vector<Upload> files;
    const auto [first, last] = request.files.equal_range("file");
    for (auto file = first; file != last; ++file) {
        files.push_back({file->first, file->second.filename, file->second.content_type, file->second.content});
    }
    if (!package["documents"].is_array() || package["documents"].size() != files.size()) {
        error(response, 400, "error.package.documents", "Every document needs its file.");
        return;
    }
    giveFreshIds(package);
    const auto guid = package["id"].get<std::string>();
    std::unique_lock lock(mutex_);
    if (!idempotencyKey.empty()) {
        // A repeat that arrived while this one was being made answers what the first made.
        auto& made = idempotentPackages_[{sessions_[sessionIdOf(request)], idempotencyKey}];
        if (!made.empty()) {
            const auto first = packages_.at(made);
            lock.unlock();
            reply(response, 201, first);
            return;
        }
        made = guid;
    }
    packages_[guid] = package;
    packageFiles_[guid] = std::move(files);
    lock.unlock();
    reply(response, 201, package);
}

std::optional<Dictionary> FakeSigningService::packageMadeFor(const httplib::Request& request,
                                                             const std::string& idempotencyKey) const
{
    std::lock_guard lock(mutex_);
    if (idempotencyKey.empty()) {
        return std::nullopt;
    }
    const auto session = sessions_.find(sessionIdOf(request));
    if (session == sessions_.end()) {
        return std::nullopt;
    }
    const auto made = idempotentPackages_.find({session->second, idempotencyKey});
    if (made == idempotentPackages_.end() || made->second.empty()) {
        return std::nullopt;
    }
    return packages_.at(made->second);
}

void FakeSigningService::giveFreshIds(Dictionary& package)
{
    std::map<std::string, std::string> renamed;
    package["id"] = platform::makeUuidString();
    assignIds(package["roles"], renamed);
    auto& documents = package["documents"];
    assignIds(documents, renamed);
    for (auto& document : documents) {
        if (document.is_object() && document.contains("fields")) {
            assignIds(document["fields"], renamed);
        }
    }
    for (auto& document : documents) {
        if (!document.is_object() || !document.contains("fields") || !document["fields"].is_array()) {
            continue;
        }
        for (auto& field : document["fields"]) {
            if (field.is_object() && field.contains("roles")) {
                rewriteReference(field["roles"], renamed);
            }
            if (field.is_object() && field.contains("approval")) {
                rewriteReference(field["approval"], renamed);
            }
        }
    }
}

void FakeSigningService::cloneTemplate(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    const auto templateGuid = request.matches[1].str();
    auto draft = package(templateGuid);
    if (!draft) {
        error(response, 404, "error.package.notFound", "No such package.");
        return;
    }
    const auto templateDocuments = documentIdsOf(*draft);
    giveFreshIds(*draft);
    (*draft)["status"] = "DRAFT";
    const auto guid = (*draft)["id"].get<std::string>();
    const auto documents = documentIdsOf(*draft);
    for (std::size_t index = 0; index < documents.size() && index < templateDocuments.size(); ++index) {
        if (const auto pdf = pdfOf(templateGuid, templateDocuments[index])) {
            setDocumentPdf(guid, documents[index], *pdf);
        }
    }
    addPackage(guid, *draft);
    reply(response, 201, *draft);
}

void FakeSigningService::fetchPackage(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    const auto package = this->package(request.matches[1]);
    if (!package) {
        error(response, 404, "error.package.notFound", "No such package.");
        return;
    }
    reply(response, 200, *package);
}

void FakeSigningService::logout(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        sessions_.erase(sessionIdOf(request));
    }
    reply(response, 200, Dictionary::object());
}

void FakeSigningService::documentPdf(const httplib::Request& request, httplib::Response& response)
{
    if (!authorised(request, response)) {
        return;
    }
    const auto pdf = pdfOf(request.matches[1], request.matches[2]);
    if (!pdf) {
        error(response, 404, "error.document.notFound", "No such document.");
        return;
    }
    response.status = 200;
    response.set_content(*pdf, "application/pdf");
}

std::optional<std::string> FakeSigningService::pdfOf(const std::string& guid, const std::string& documentId) const
{
    std::lock_guard lock(mutex_);
    if (const auto set = documentPdfs_.find({guid, documentId}); set != documentPdfs_.end()) {
        return set->second;
    }
    const auto package = packages_.find(guid);
    const auto uploads = packageFiles_.find(guid);
    if (package == packages_.end() || uploads == packageFiles_.end() || !package->second.contains("documents")) {
        return std::nullopt;
    }
    const auto& documents = package->second["documents"];
    for (std::size_t index = 0; documents.is_array() && index < documents.size() && index < uploads->second.size();
         ++index) {
        const auto& document = documents[index];
        if (document.is_object() && document.contains("id") && document["id"] == documentId) {
            return uploads->second[index].content;
        }
    }
    return std::nullopt;
}

Dictionary FakeSigningService::loginReply(const Account& account) const
{
    Dictionary body{{"user", account.user}};
    if (account.packageGuid) {
        body["package"] = {{"guid", *account.packageGuid}};
    }
    return body;
}

void FakeSigningService::reply(httplib::Response& response, int status, const Dictionary& body)
{
    response.status = status;
    response.set_content(body.dump(), "application/json");
}

void FakeSigningService::error(httplib::Response& response, int status, const std::string& messageKey,
                               const std::string& message)
{
    reply(response, status, {{"code", status}, {"messageKey", messageKey}, {"message", message}});
}

} // namespace fakes
