#include "support/MainQueue.h"

#include "foundation/RunLoop.h"

void runOnMainQueueWithoutDeadlocking2(const std::function<void()>& block)
{
    platform::RunLoop::main().runSync(block);
}
