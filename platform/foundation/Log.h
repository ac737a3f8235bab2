#pragma once

#include <functional>
#include <string_view>

namespace platform {

// Where the SDK's log lines go: stderr unless the host or a test names another sink.
class Log {
public:
    using Sink = std::function<void(std::string_view category, std::string_view message)>;

    static void write(std::string_view category, std::string_view message);
    static void setSink(Sink sink);
    // Back to stderr.
    static void resetSink();
};

} // namespace platform
