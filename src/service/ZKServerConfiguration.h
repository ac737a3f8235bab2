#pragma once

#include <map>
#include <memory>
#include <string>

// What the host's "Server.plist" says about requests, read once from the main bundle:
//   "requestTimeout"     integer or real, seconds (default 60)
//   "additionalHeaders"  dictionary of header name -> string value, sent with every request
// A missing file gives the defaults; a file that cannot be read, or values of the wrong
// kind, are logged and the defaults kept for what is wrong.
class ZKServerConfiguration {
public:
    static constexpr double kDefaultTimeout = 60;

    static std::shared_ptr<ZKServerConfiguration> sharedInstance();

    ZKServerConfiguration();
    // The configuration of a property list's text.
    static ZKServerConfiguration fromText(const std::string& text);

    double requestTimeout() const { return requestTimeout_; }
    const std::map<std::string, std::string>& additionalHeaders() const { return additionalHeaders_; }

private:
    struct Defaults {};
    explicit ZKServerConfiguration(Defaults) {}
    void apply(const std::string& text);

    double requestTimeout_ = kDefaultTimeout;
    std::map<std::string, std::string> additionalHeaders_;
};
