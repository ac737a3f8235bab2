#pragma once

#include "service/ZKReply.h"
#include "service/ZKRequest.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class ZKSession;

// One request to the signing service. Each request gets a fresh connection that runs on
// a worker thread of its own and lives until its completion has run. The request carries
// the "Accept" version header, "app-id", the headers of "Server.plist" and the session
// cookie; a session cookie in a successful reply is kept for the next requests. TLS
// peers are verified. Request and reply are dumped to the log (password and session
// value hidden).
class ZKVLTConnection : public std::enable_shared_from_this<ZKVLTConnection> {
public:
    using Completion = std::function<void(const ZKReply&)>;
    enum class Delivery { mainThread, networkThread };

    // Sends the request; the completion runs on the main run loop, or on the worker
    // thread itself for callers that ask for the network's thread.
    static void send(ZKRequest request, Completion completion, Delivery delivery = Delivery::mainThread);

    // Use send(); public for make_shared.
    ZKVLTConnection(ZKRequest request, Completion completion, Delivery delivery);

private:
    struct Transfer;

    void start();
    ZKReply perform();
    void finish(ZKReply reply);
    std::map<std::string, std::string> headers() const;
    void recordSessionCookie(const std::string& headerLine) const;

    ZKRequest request_;
    Completion completion_;
    Delivery delivery_;
    std::optional<std::string> serverAddress_;
    std::string appId_;
    double timeout_;
    std::map<std::string, std::string> additionalHeaders_;
    std::shared_ptr<ZKSession> session_;
};
