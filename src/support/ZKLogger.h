#pragma once

#include "foundation/Dictionary.h"

#include <map>
#include <string>

// The SDK's logger. A message is written only when its level is at or below the
// class-wide threshold; request and response dumps are written whatever the threshold.
class ZKLogger {
public:
    static constexpr int kDefaultThreshold = 7;

    static int threshold();
    static void setThreshold(int level);

    // "[Log level: <level>]", the message and a rule of 52 dashes, in the category "INFO".
    static void logLevel(const std::string& message, int level);

    static void logRequest(const std::string& method, const std::string& url,
                           const std::map<std::string, std::string>& headers, const Dictionary& body);
    static void logResponse(const std::string& url, long status, const std::string& body);
};
