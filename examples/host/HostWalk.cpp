#include "HostWalk.h"

#include "DemoRegistry.h"
#include "EventTimings.h"

#include "foundation/Environment.h"
#include "foundation/RunLoop.h"

#include <iostream>

namespace host {

void setUpDevice(const std::filesystem::path& output)
{
    std::filesystem::create_directories(output);
    platform::Environment::setHomeDirectory(output / "home");
    platform::Environment::setResourceDirectory(VELTRA_RESOURCE_DIR);
    platform::RunLoop::main().bindToCurrentThread();
    platform::RunLoop::main().useManualClock();
}

void walkEveryPart(const std::filesystem::path& output)
{
    const DemoContext context{output};
    auto& timings = EventTimings::shared();
    for (const auto& entry : DemoRegistry::shared().entries()) {
        std::cout << "== " << entry.title << " ==\n";
        timings.startPart(entry.title);
        entry.run(context);
        timings.closeEvent();
        std::cout << "\n";
    }
}

} // namespace host
