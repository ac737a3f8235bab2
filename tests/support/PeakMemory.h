#pragma once

#include <cstdint>
#include <functional>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define VELTRA_TESTS_UNDER_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define VELTRA_TESTS_UNDER_SANITIZER 1
#endif
#endif

namespace testing_support {

// How much a piece of work raised the process's resident memory at its peak, from the
// kernel's high-water mark (reset before the work), so a buffer held for a moment
// counts as much as one kept. Freed memory the allocator still holds can hide a little
// of the work's own; large buffers are mapped afresh and always count.
class PeakMemory {
public:
    // Under a sanitizer the growth is mostly the sanitizer's own: shadow memory for every
    // byte touched and a quarantine that keeps freed blocks resident. A test still does
    // its work there but skips the bound, saying why.
#ifdef VELTRA_TESTS_UNDER_SANITIZER
    static constexpr bool measuresTheCode = false;
#else
    static constexpr bool measuresTheCode = true;
#endif
    static constexpr const char* whyNotMeasured =
        "memory not measured: the sanitizer's shadow memory and quarantine, not the code, decide the resident size";

    // Bytes above what was resident when the work began.
    static std::int64_t growthDuring(const std::function<void()>& work);
};

} // namespace testing_support
