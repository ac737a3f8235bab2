#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

// Where the signing service is and how the SDK introduces itself to it: the server
// address the host gives the facade and the value of the "app-id" header. Shared; safe
// to read from request threads.
class ZKServerSettings {
public:
    static constexpr const char* kDefaultAppId = "com.corvex.Veltra";

    static std::shared_ptr<ZKServerSettings> sharedInstance();

    // The base URL, e.g. "https://sign.example.com"; nil until the host sets one.
    std::optional<std::string> serverAddress() const;
    void setServerAddress(std::optional<std::string> address);

    std::string appId() const;
    void setAppId(std::string appId);

private:
    mutable std::mutex mutex_;
    std::optional<std::string> serverAddress_;
    std::string appId_ = kDefaultAppId;
};
