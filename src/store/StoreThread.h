#pragma once

#include "support/ZKError.h"

#include <optional>
#include <string_view>

// The store's thread rule. The local store and the objects it holds are used on the main
// thread only: nothing in them is locked, so a second thread would corrupt them. A call
// from another thread is refused before it touches anything, logged, and answered with
// the error this gives.
class StoreThread {
public:
    // Empty on the main thread; elsewhere the error refusing `operation` (logged).
    static std::optional<ZKError> refusal(std::string_view operation);
};
