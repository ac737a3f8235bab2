// The sample host application: it sets up the device the SDK runs on and drives each part
// of the SDK in turn, printing what a user of the host would see. With VELTRA_HOST_TIMINGS
// set it ends with the SDK's work on each event of the walk, slowest first.
#include "EventTimings.h"
#include "HostWalk.h"

#include <iostream>

int main(int argc, char** argv)
{
    const std::filesystem::path output = argc > 1 ? argv[1] : std::filesystem::current_path() / "veltra-host-output";
    host::setUpDevice(output);
    host::walkEveryPart(output);
    host::reportEventTimingsIfAsked(host::EventTimings::shared());
    std::cout << "Output written to " << output.string() << "\n";
    return 0;
}
