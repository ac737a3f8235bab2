// The sample host application: it sets up the device the SDK runs on (home directory,
// main bundle, clock) and drives each part of the SDK in turn, printing what a user of
// the host would see. The clock is manual: the walk's pauses for animations and delays
// move it at once instead of waiting them out, while work on other threads is still
// waited for in real time.
#include "DemoRegistry.h"

#include "foundation/Environment.h"
#include "foundation/RunLoop.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::filesystem::path output = argc > 1 ? argv[1] : std::filesystem::current_path() / "veltra-host-output";
    std::filesystem::create_directories(output);
    platform::Environment::setHomeDirectory(output / "home");
    platform::Environment::setResourceDirectory(VELTRA_RESOURCE_DIR);
    platform::RunLoop::main().bindToCurrentThread();
    platform::RunLoop::main().useManualClock();

    const host::DemoContext context{output};
    for (const auto& entry : host::DemoRegistry::shared().entries()) {
        std::cout << "== " << entry.title << " ==\n";
        entry.run(context);
        std::cout << "\n";
    }
    std::cout << "Output written to " << output.string() << "\n";
    return 0;
}
