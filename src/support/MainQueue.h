#pragma once

#include <functional>

// Runs the block at once on the main thread, or on the main thread while the calling
// thread waits for it.
void runOnMainQueueWithoutDeadlocking2(const std::function<void()>& block);
