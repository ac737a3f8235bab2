#include "support/MainQueue.h"

#include "foundation/RunLoop.h"

void runOnMainQueueWithoutDeadlocking2(const std::function<void()>& block)
{
    platform::RunLoop::main().runSync(block);
}

void runOnMainQueue(const std::function<void()>& block)
{
    auto& loop = platform::RunLoop::main();
    if (loop.isMainThread()) {
        block();
        return;
    }
    loop.dispatchAsync(block);
}
