#pragma once

#include <cstddef>
#include <functional>

namespace platform {

// Work that runs on a worker thread of its own (a request, a conversion, a provider's
// load), counted while it runs. A process can end while such work is in flight: when it
// does, exit waits a moment for the work to finish, so that the work does not run on
// while the libraries it uses are torn down. Work that outlasts the wait is left to end
// with the process; what it reaches must therefore outlive static destruction (see
// SharedInstances). Safe from any thread.
class BackgroundWork {
public:
    // Runs the work on a new detached thread; throws std::system_error when no thread can
    // be made (the work is then not counted).
    static void start(std::function<void()> work);
    // How many works have started and not finished.
    static std::size_t inFlight();
};

} // namespace platform
