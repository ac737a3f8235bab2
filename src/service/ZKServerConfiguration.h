#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

// What the host's "Server.plist" (XML or binary) says about requests, read once from the
// main bundle:
//   "requestTimeout"     integer or real, seconds (default 60)
//   "additionalHeaders"  dictionary of header name -> string value, sent with every request
// A missing file gives the defaults; a file that cannot be read, or values of the wrong
// kind, are logged and the defaults kept for what is wrong.
class ZKServerConfiguration {
public:
    static constexpr double kDefaultTimeout = 60;

    static std::shared_ptr<ZKServerConfiguration> sharedInstance();

    ZKServerConfiguration();
    // The configuration of a property list's bytes, XML or binary.
    static ZKServerConfiguration fromPropertyList(std::string_view bytes);

    double requestTimeout() const { return requestTimeout_; }
    const std::map<std::string, std::string>& additionalHeaders() const { return additionalHeaders_; }

private:
    struct Defaults {};
    explicit ZKServerConfiguration(Defaults) {}
    void apply(std::string_view bytes);

    double requestTimeout_ = kDefaultTimeout;
    std::map<std::string, std::string> additionalHeaders_;
};
