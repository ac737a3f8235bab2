#include "foundation/Log.h"

#include <iostream>
#include <memory>
#include <mutex>

namespace platform {

namespace {

// Never destroyed, as workers still running at exit write to the log.
struct LogState {
    std::mutex mutex;
    std::shared_ptr<const Log::Sink> sink;
};

LogState& state()
{
    static auto* value = new LogState();
    return *value;
}

void writeToStderr(std::string_view category, std::string_view message)
{
    std::cerr << "[" << category << "] " << message << "\n";
}

} // namespace

void Log::write(std::string_view category, std::string_view message)
{
    std::shared_ptr<const Sink> sink;
    {
        std::lock_guard lock(state().mutex);
        sink = state().sink;
    }
    if (sink)
        (*sink)(category, message);
    else
        writeToStderr(category, message);
}

void Log::setSink(Sink sink)
{
    std::lock_guard lock(state().mutex);
    state().sink = std::make_shared<const Sink>(std::move(sink));
}

void Log::resetSink()
{
    std::lock_guard lock(state().mutex);
    state().sink.reset();
}

} // namespace platform
