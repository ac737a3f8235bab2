#include "service/ZKVLTConnection.h"

#include "BinaryPropertyList.h"
#include "fakes/FakeServiceTest.h"
#include "foundation/Environment.h"
#include "service/ZKEndpoints.h"
#include "service/ZKServerConfiguration.h"
#include "service/ZKSession.h"
#include "service/ZKWebPoster.h"

#include <algorithm>
#include <fstream>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A loopback port that refuses every connection: bound, so that no process running beside
// the test can take it and answer, but never listening. Used on the test's thread only.
class RefusingPort {
public:
    RefusingPort() : socket_(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
            port_ = ntohs(address.sin_port);
        }
    }
    ~RefusingPort() { ::close(socket_); }
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    int port() const { return port_; }

private:
    int socket_;
    int port_ = 0;
};

class ZKVLTConnectionTest : public fakes::FakeServiceTest {
protected:
    // Sends a request and runs the main loop until its completion has run there.
    ZKReply sendAndWait(ZKRequest request)
    {
        std::optional<ZKReply> reply;
        bool onMainThread = false;
        ZKVLTConnection::send(std::move(request), [&](const ZKReply& received) {
            onMainThread = platform::RunLoop::main().isMainThread();
            reply = received;
        });
        EXPECT_FALSE(reply) << "the completion must not run before the main loop does";
        EXPECT_TRUE(waitFor([&] { return reply.has_value(); }));
        EXPECT_TRUE(onMainThread);
        return reply.value_or(ZKReply{});
    }

    ZKReply login(const std::string& email, const std::string& password)
    {
        std::optional<ZKReply> reply;
        ZKWebPoster::loginWithEmailPasswordCallback(email, password, [&](const ZKReply& r) { reply = r; });
        EXPECT_TRUE(waitFor([&] { return reply.has_value(); }));
        return reply.value_or(ZKReply{});
    }

    // A bundle of the test's own that holds the given Server.plist.
    void useServerPlist(const std::string& text)
    {
        const auto bundle = home() / "bundle";
        std::filesystem::create_directories(bundle);
        std::ofstream(bundle / "Server.plist") << text;
        platform::Environment::setResourceDirectory(bundle);
    }

    bool logContains(const std::string& text) const
    {
        return std::any_of(logLines().begin(), logLines().end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
};

TEST_F(ZKVLTConnectionTest, RequestsCarryTheVersionAppIdAndSessionCookieOfTheLogin)
{
    service.addAccount("ann@example.com", "secret", {{"email", "ann@example.com"}});
    const auto loggedIn = login("ann@example.com", "secret");
    ASSERT_TRUE(loggedIn.succeeded());
    ASSERT_TRUE(ZKSession::sharedInstance()->sessionId());

    const auto reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    EXPECT_TRUE(reply.succeeded());
    EXPECT_EQ(reply.json["user"]["email"], "ann@example.com");

    const auto requests = service.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].header("Accept"), "application/json;vlt-api-version=11.0.3");
    EXPECT_EQ(requests[0].header("app-id"), ZKServerSettings::kDefaultAppId);
    EXPECT_EQ(requests[0].header("Content-Type"), "application/json");
    EXPECT_EQ(requests[0].header("Cookie"), "");
    EXPECT_EQ(requests[1].header("Cookie"), "VELTRA_SESSION_ID=" + *ZKSession::sharedInstance()->sessionId());
}

TEST_F(ZKVLTConnectionTest, OnlySuccessfulRepliesSetTheSessionWhateverTheCaseOfTheirHeader)
{
    // HTTP/2 delivers header names in lower case.
    fakes::FakeSigningService::Rule signedIn;
    signedIn.status = 200;
    signedIn.body = R"({"user": {}})";
    signedIn.headers = {{"set-cookie", "VELTRA_SESSION_ID=lower-case-session; Path=/"}};
    service.setRule("POST", "/api/session", signedIn);
    ASSERT_TRUE(login("ann@example.com", "secret").succeeded());
    EXPECT_EQ(ZKSession::sharedInstance()->sessionId(), "lower-case-session");

    for (const int status : {401, 500, 302}) {
        fakes::FakeSigningService::Rule refused;
        refused.status = status;
        refused.body = "{}";
        refused.headers = {{"Set-Cookie", "VELTRA_SESSION_ID=from-a-failure; Path=/"}};
        service.setRule("GET", "/api/session", refused);
        EXPECT_FALSE(sendAndWait(ZKRequest::get(ZKEndpoints::session())).succeeded()) << status;
        EXPECT_EQ(ZKSession::sharedInstance()->sessionId(), "lower-case-session") << status;
    }
    sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    EXPECT_EQ(service.requests().back().header("Cookie"), "VELTRA_SESSION_ID=lower-case-session");
}

TEST_F(ZKVLTConnectionTest, AServerAddressEndingInASlashReachesTheServicesPaths)
{
    ZKServerSettings::sharedInstance()->setServerAddress(service.address() + "/");
    sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(service.requests().front().path, "/api/session");
}

TEST_F(ZKVLTConnectionTest, DumpsShowRequestAndReplyButNeitherPasswordNorSessionValue)
{
    service.addAccount("ann@example.com", "hunter22", {{"email", "ann@example.com"}});
    ASSERT_TRUE(login("ann@example.com", "hunter22").succeeded());
    sendAndWait(ZKRequest::get(ZKEndpoints::session()));

    EXPECT_TRUE(logContains("REQUEST: POST " + service.address() + "/api/session"));
    EXPECT_TRUE(logContains("RESPONSE: 200 " + service.address() + "/api/session"));
    EXPECT_TRUE(logContains("VELTRA_SESSION_ID=<hidden>"));
    EXPECT_FALSE(logContains("hunter22"));
    EXPECT_FALSE(logContains(*ZKSession::sharedInstance()->sessionId()));
}

TEST_F(ZKVLTConnectionTest, ServiceErrorsKeepTheServiceDomainCodeAndMessageKey)
{
    const auto reply = login("nobody@example.com", "wrong");
    ASSERT_FALSE(reply.succeeded());
    EXPECT_EQ(reply.status, 401);
    EXPECT_EQ(reply.error->domain(), "VeltraService");
    EXPECT_EQ(reply.error->code(), 401);
    EXPECT_EQ(reply.error->messageKey(), "error.login.invalidCredentials");
    EXPECT_EQ(reply.error->description(), "Invalid e-mail or password.");

    service.respondWith("GET", "/api/session", 409,
                        R"({"domain":"Packages","code":77,"messageKey":"error.conflict"})");
    const auto conflict = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(conflict.error);
    EXPECT_EQ(conflict.error->domain(), "Packages");
    EXPECT_EQ(conflict.error->code(), 77);
    EXPECT_EQ(conflict.error->description(), "error.conflict");

    service.respondWith("GET", "/api/session", 500, R"({"message":"Down for maintenance"})");
    const auto down = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(down.error);
    EXPECT_EQ(down.error->description(), "Down for maintenance");
    EXPECT_FALSE(down.error->messageKey());
}

TEST_F(ZKVLTConnectionTest, RepliesThatAreNotUsableEndInTheSdkErrors)
{
    struct Case {
        int status;
        std::string body;
        long code;
    };
    const std::vector<Case> cases{
        {200, "<html>maintenance</html>", ZKError::replyNotJson},
        {200, "{\"truncated\": ", ZKError::replyNotJson},
        {500, "Internal Server Error", ZKError::httpFailure},
        {502, "[1, 2]", ZKError::httpFailure},
        {404, "{\"unrelated\": true}", ZKError::httpFailure},
        {300, "{}", ZKError::httpFailure},
        {302, "{}", ZKError::httpFailure},
        {200, std::string(300, '[') + std::string(300, ']'), ZKError::unexpectedReply},
    };
    for (const auto& c : cases) {
        service.respondWith("GET", "/api/session", c.status, c.body);
        const auto reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
        ASSERT_TRUE(reply.error) << c.body;
        EXPECT_EQ(reply.error->domain(), "VeltMobile") << c.body;
        EXPECT_EQ(reply.error->code(), c.code) << c.body;
    }

    service.respondWith("GET", "/api/session", 204, "");
    const auto empty = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    EXPECT_TRUE(empty.succeeded());
    EXPECT_EQ(empty.json, Dictionary::object());
    service.respondWith("GET", "/api/session", 299, "{}");
    EXPECT_TRUE(sendAndWait(ZKRequest::get(ZKEndpoints::session())).succeeded());
}

TEST_F(ZKVLTConnectionTest, MissingServerAndUnreachableServerAreErrors)
{
    ZKServerSettings::sharedInstance()->setServerAddress(std::nullopt);
    auto reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(reply.error);
    EXPECT_EQ(reply.error->code(), ZKError::noServerAddress);

    const RefusingPort refusing;
    ASSERT_NE(refusing.port(), 0);
    ZKServerSettings::sharedInstance()->setServerAddress("http://127.0.0.1:" + std::to_string(refusing.port()) + "/");
    reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(reply.error);
    EXPECT_EQ(reply.error->code(), ZKError::networkFailure);

    ZKServerSettings::sharedInstance()->setServerAddress("file:///etc/passwd#");
    reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(reply.error);
    EXPECT_EQ(reply.error->code(), ZKError::networkFailure);
}

// The headers are read from a request that must succeed, so no short time-out of the
// same list can cut it off on a slow machine.
TEST_F(ZKVLTConnectionTest, ServerPlistGivesExtraHeaders)
{
    useServerPlist(R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
    <key>additionalHeaders</key>
    <dict>
        <key>X-Tenant</key><string>acme &amp; sons</string>
        <key>X-Injected</key><string>a&#13;&#10;Cookie: stolen</string>
        <key>app-id</key><string>ignored</string>
    </dict>
</dict>
</plist>)");
    service.addAccount("ann@example.com", "secret", {});
    ASSERT_TRUE(login("ann@example.com", "secret").succeeded());
    const auto request = service.requests().at(0);
    EXPECT_EQ(request.header("X-Tenant"), "acme & sons");
    EXPECT_EQ(request.header("X-Injected"), "");
    EXPECT_EQ(request.header("app-id"), ZKServerSettings::kDefaultAppId);
}

TEST_F(ZKVLTConnectionTest, ServerPlistGivesTheTimeOut)
{
    useServerPlist("<plist><dict><key>requestTimeout</key><real>0.5</real></dict></plist>");
    service.delay("GET", "/api/session", 60);
    const auto reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(reply.error);
    EXPECT_EQ(reply.error->code(), ZKError::timedOut);
}

TEST_F(ZKVLTConnectionTest, ABinaryServerPlistIsRead)
{
    useServerPlist(service_tests::kBinaryPropertyList);
    const auto configuration = ZKServerConfiguration::sharedInstance();
    EXPECT_EQ(configuration->requestTimeout(), 12);
    EXPECT_EQ(configuration->additionalHeaders(), (std::map<std::string, std::string>{{"X-Client", "host \xC3\xA9"}}));
}

TEST_F(ZKVLTConnectionTest, AnUnreadableServerPlistKeepsTheDefaults)
{
    useServerPlist("<plist><dict><key>requestTimeout</key><string>fast</strin></dict></plist>");
    const auto configuration = ZKServerConfiguration::sharedInstance();
    EXPECT_EQ(configuration->requestTimeout(), ZKServerConfiguration::kDefaultTimeout);
    EXPECT_TRUE(configuration->additionalHeaders().empty());
    EXPECT_TRUE(logContains("Server.plist is not a valid property list"));

    const auto wrongKinds = ZKServerConfiguration::fromPropertyList(
        "<plist><dict><key>requestTimeout</key><integer>-3</integer>"
        "<key>additionalHeaders</key><dict><key>Bad Name</key><string>x</string>"
        "<key>X-Number</key><integer>4</integer><key>X-Good</key><string>yes</string></dict></dict></plist>");
    EXPECT_EQ(wrongKinds.requestTimeout(), ZKServerConfiguration::kDefaultTimeout);
    EXPECT_EQ(wrongKinds.additionalHeaders(), (std::map<std::string, std::string>{{"X-Good", "yes"}}));
}

} // namespace

TEST_F(ZKVLTConnectionTest, ATimeOutBelowOneMillisecondStillEndsTheRequest)
{
    useServerPlist("<plist><dict><key>requestTimeout</key><real>0.0004</real></dict></plist>");
    service.delay("GET", "/api/session", 3);
    const auto reply = sendAndWait(ZKRequest::get(ZKEndpoints::session()));
    ASSERT_TRUE(reply.error);
    EXPECT_EQ(reply.error->code(), ZKError::timedOut);
}
