#include "support/VeltraTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// A host that leaves main while a request is in flight, whose answer comes while exit
// tears the process down, ends cleanly instead of aborting on what exit destroyed.
TEST(ExitWithWorkInFlightTest, AHostEndsCleanlyWhileARequestIsAnsweredDuringExit)
{
    const auto home = testing_support::makeTemporaryDirectory("veltra-exit-child");
    char path[] = VELTRA_EXIT_CHILD;
    std::string homeArgument = home.string();
    char* argv[] = {path, homeArgument.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, path, nullptr, nullptr, argv, environ), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
