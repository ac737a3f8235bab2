#include "store/StoreThread.h"

#include "foundation/RunLoop.h"
#include "support/ZKLogger.h"

#include <string>

namespace {

constexpr int kErrorLogLevel = 3;

} // namespace

std::optional<ZKError> StoreThread::refusal(std::string_view operation)
{
    if (platform::RunLoop::main().isMainThread()) {
        return std::nullopt;
    }
    const std::string description = "The local store is used on the main thread only: " + std::string(operation) +
                                    " from another thread was refused.";
    ZKLogger::logLevel(description, kErrorLogLevel);
    return ZKError::make(ZKError::wrongThread, description);
}
