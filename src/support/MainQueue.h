#pragma once

#include <functional>

// Runs the block at once on the main thread, or on the main thread while the calling
// thread waits for it.
void runOnMainQueueWithoutDeadlocking2(const std::function<void()>& block);

// Runs the block at once on the main thread; from any other thread, posts it to the
// main thread without waiting.
void runOnMainQueue(const std::function<void()>& block);
