#include "foundation/Log.h"
#include "foundation/RunLoop.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    platform::RunLoop::main().bindToCurrentThread();
    if (!std::getenv("VELTRA_TEST_LOG"))
        platform::Log::setSink([](std::string_view, std::string_view) {});
    return RUN_ALL_TESTS();
}
