#include "support/PeakMemory.h"

#include <fstream>
#include <string>

namespace testing_support {
namespace {

// A "Name:   1234 kB" line of /proc/self/status, in bytes.
std::int64_t statusValue(const std::string& name)
{
    std::ifstream status("/proc/self/status");
    const std::string prefix = name + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(prefix))
            return std::stoll(line.substr(prefix.size())) * 1024;
    }
    return 0;
}

} // namespace

std::int64_t PeakMemory::growthDuring(const std::function<void()>& work)
{
    // "5" resets the high-water mark to what is resident now.
    std::ofstream("/proc/self/clear_refs") << "5";
    const std::int64_t before = statusValue("VmRSS");
    work();
    return statusValue("VmHWM") - before;
}

} // namespace testing_support
