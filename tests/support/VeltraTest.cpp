#include "VeltraTest.h"

#include "foundation/BackgroundWork.h"
#include "foundation/Environment.h"
#include "foundation/Log.h"
#include "foundation/RunLoop.h"
#include "foundation/SharedInstances.h"

#include <fstream>
#include <iterator>
#include <mutex>
#include <random>

namespace testing_support {

std::filesystem::path makeTemporaryDirectory(const std::string& prefix)
{
    std::random_device random;
    for (;;) {
        auto path = std::filesystem::temp_directory_path() / (prefix + "-" + std::to_string(random()));
        if (std::filesystem::create_directories(path))
            return path;
    }
}

std::vector<std::uint8_t> sampleFile(const std::string& name)
{
    std::ifstream in(std::filesystem::path(VELTRA_TEST_SAMPLES_DIR) / name, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void VeltraTest::SetUp()
{
    home_ = makeTemporaryDirectory("veltra-test");
    platform::Environment::setHomeDirectory(home_);
    platform::Environment::setResourceDirectory(VELTRA_RESOURCE_DIR);
    platform::Environment::setLocale("en_US");
    platform::Environment::setTimeZone("UTC");
    platform::SharedInstances::resetAll();
    platform::RunLoop::main().reset();
    platform::RunLoop::main().bindToCurrentThread();
    platform::RunLoop::main().useManualClock();
    auto lines = std::make_shared<std::vector<std::string>>();
    auto lock = std::make_shared<std::mutex>();
    logLines_ = lines;
    platform::Log::setSink([lines, lock](std::string_view category, std::string_view message) {
        std::lock_guard guard(*lock);
        lines->push_back(std::string(category) + ": " + std::string(message));
    });
}

bool VeltraTest::waitFor(const std::function<bool()>& condition)
{
    return platform::RunLoop::main().runUntil(condition, kWorkWaitSeconds);
}

bool VeltraTest::finishBackgroundWork()
{
    auto& loop = platform::RunLoop::main();
    // What the work posts may start more of it (a loaded file goes on to be converted).
    do {
        if (!waitFor([] { return platform::BackgroundWork::inFlight() == 0; }))
            return false;
    } while (loop.runUntilIdle() > 0);
    return true;
}

void VeltraTest::TearDown()
{
    // Work a case started (a request, a conversion) finishes inside the case: it must not
    // reach the next case's shared instances nor run on while the process ends.
    finishBackgroundWork();
    platform::SharedInstances::resetAll();
    platform::RunLoop::main().reset();
    platform::Log::setSink([](std::string_view, std::string_view) {});
    std::error_code ignored;
    std::filesystem::remove_all(home_, ignored);
}

} // namespace testing_support
