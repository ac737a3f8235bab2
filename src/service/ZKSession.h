#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

// The session with the service: the value of the session cookie that the service set at
// sign-in (or that the host handed over as a session token). Every request carries it.
// Shared; request threads record the cookie the service sends back.
class ZKSession {
public:
    static std::shared_ptr<ZKSession> sharedInstance();

    std::optional<std::string> sessionId() const;
    // An empty value ends the session.
    void setSessionId(std::optional<std::string> sessionId);

private:
    mutable std::mutex mutex_;
    std::optional<std::string> sessionId_;
};
