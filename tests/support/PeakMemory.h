#pragma once

#include <cstdint>
#include <functional>

namespace testing_support {

// How much a piece of work raised the process's resident memory at its peak, from the
// kernel's high-water mark (reset before the work), so a buffer held for a moment
// counts as much as one kept. Freed memory the allocator still holds can hide a little
// of the work's own; large buffers are mapped afresh and always count.
class PeakMemory {
public:
    // Bytes above what was resident when the work began.
    static std::int64_t growthDuring(const std::function<void()>& work);
};

} // namespace testing_support
