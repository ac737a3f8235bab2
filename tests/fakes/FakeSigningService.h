#pragma once

#include "foundation/Dictionary.h"

#include <condition_variable>
#include <map>
#include <utility>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace fakes {

// A stand-in of the signing service on 127.0.0.1 with an ephemeral port, for tests and the
// sample host. It serves the paths of ZKEndpoints from what it is given (accounts, designer
// settings, groups, packages), creates packages with ids of its own, checks the session
// cookie, records every request, and can be told to answer a path with a canned reply,
// after a delay, or not at all. A package create that carries an "Idempotency-Key" the
// account has used before answers the package made then; a template package is copied
// into a new draft (POST /api/packages/<guid>/clone). Safe from any thread: the server
// answers on threads of its own while the test reads and sets up.
class FakeSigningService {
public:
    struct Upload {
        std::string name;
        std::string fileName;
        std::string contentType;
        std::string content;
    };

    struct RecordedRequest {
        std::string method;
        std::string path;   // without the query
        std::string query;  // parameters joined as "a=1&b=2" in the server's order
        std::map<std::string, std::string> headers;
        std::string body;
        std::vector<Upload> uploads;
        // Places in one sequence of every arrival and answer the service has seen, so that a
        // test can tell whether a request came only after another one had been answered.
        std::size_t arrived = 0;
        std::optional<std::size_t> answered; // taken just before the answer is sent
        std::string header(const std::string& name) const;
    };

    // A canned answer for one method and path.
    struct Rule {
        std::optional<int> status;  // reply with this status and body instead of the normal one
        std::string body;
        std::string contentType = "application/json";
        std::map<std::string, std::string> headers; // sent with the canned reply, names as written
        double delaySeconds = 0;    // wait this long before answering (stop() cuts it short)
        int remaining = -1;         // how many requests it applies to; -1 for all
    };

    FakeSigningService();
    ~FakeSigningService();
    FakeSigningService(const FakeSigningService&) = delete;
    FakeSigningService& operator=(const FakeSigningService&) = delete;

    // Listens on 127.0.0.1 on a free port; answers false when it cannot bind.
    bool start();
    void stop();
    int port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string address() const;

    // An account that can sign in. `user` is the login reply's "user"; `packageGuid`, when
    // given, is the login reply's "package" {"guid"}.
    void addAccount(const std::string& email, const std::string& password, const Dictionary& user,
                    const std::optional<std::string>& packageGuid = std::nullopt);
    // The "fieldSettings" of GET /api/packages/<guid>/designer.
    void setDesignerSettings(const std::string& packageGuid, const Dictionary& fieldSettings);
    // The account's groups ({"id", "name", "email", "members"}); served sorted by name.
    void setGroups(const Dictionary& groups);
    // A package the service already holds (GET /api/packages/<guid>).
    void addPackage(const std::string& guid, const Dictionary& package);
    std::optional<Dictionary> package(const std::string& guid) const;
    std::size_t packageCount() const;
    // The PDF served for one document of a package (GET
    // /api/packages/<guid>/documents/<id>/pdf). Documents of packages created through the
    // service are served from their uploads.
    void setDocumentPdf(const std::string& guid, const std::string& documentId, const std::string& bytes);
    // Uploaded files of a created package, in document order.
    std::vector<Upload> packageFiles(const std::string& guid) const;

    // Rules are matched by method and exact path (no query).
    void setRule(const std::string& method, const std::string& path, const Rule& rule);
    void clearRules();
    // Shorthands: answer with status and body; delay the normal answer.
    void respondWith(const std::string& method, const std::string& path, int status, const std::string& body,
                     int times = -1);
    void delay(const std::string& method, const std::string& path, double seconds);

    std::vector<RecordedRequest> requests() const;
    std::vector<RecordedRequest> requestsTo(const std::string& method, const std::string& path) const;

private:
    struct Account {
        std::string password;
        Dictionary user;
        std::optional<std::string> packageGuid;
    };

    void route();
    bool applyRule(const httplib::Request& request, httplib::Response& response);
    void record(const httplib::Request& request);
    void recordAnswer(const httplib::Request& request);
    bool waitUnlessStopped(double seconds);
    bool authorised(const httplib::Request& request, httplib::Response& response);

    void login(const httplib::Request& request, httplib::Response& response);
    void currentSession(const httplib::Request& request, httplib::Response& response);
    void designer(const httplib::Request& request, httplib::Response& response);
    void groups(const httplib::Request& request, httplib::Response& response);
    void createPackage(const httplib::Request& request, httplib::Response& response);
    std::optional<Dictionary> packageMadeFor(const httplib::Request& request, const std::string& idempotencyKey) const;
    static void giveFreshIds(Dictionary& package);
    void cloneTemplate(const httplib::Request& request, httplib::Response& response);
    void logout(const httplib::Request& request, httplib::Response& response);
    void fetchPackage(const httplib::Request& request, httplib::Response& response);
    void documentPdf(const httplib::Request& request, httplib::Response& response);
    std::optional<std::string> pdfOf(const std::string& guid, const std::string& documentId) const;

    Dictionary loginReply(const Account& account) const;
    static void reply(httplib::Response& response, int status, const Dictionary& body);
    static void error(httplib::Response& response, int status, const std::string& messageKey, const std::string& message);

    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable stopped_;
    bool stopping_ = false;
    std::map<std::string, Account> accounts_;
    std::map<std::string, std::string> sessions_; // session id -> e-mail
    std::map<std::string, Dictionary> designerSettings_;
    Dictionary groups_ = Dictionary::array();
    std::map<std::string, Dictionary> packages_;
    std::map<std::string, std::vector<Upload>> packageFiles_;
    std::map<std::pair<std::string, std::string>, std::string> documentPdfs_; // (guid, document id) -> bytes
    std::map<std::pair<std::string, std::string>, std::string> idempotentPackages_; // (e-mail, key) -> guid
    std::map<std::string, Rule> rules_;
    std::vector<RecordedRequest> requests_;
    std::size_t nextEvent_ = 0;
    // Requests being handled -> their place in requests_; httplib hands the routing and the
    // answering of one request the same object.
    std::map<const httplib::Request*, std::size_t> unanswered_;
};

} // namespace fakes
