#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// A host that leaves main while a request is in flight, whose answer comes while exit
// tears the process down, ends cleanly instead of aborting on what exit destroyed.
TEST(ExitWithWorkInFlightTest, AHostEndsCleanlyWhileARequestIsAnsweredDuringExit)
{
    char path[] = VELTRA_EXIT_CHILD;
    char* argv[] = {path, nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, path, nullptr, nullptr, argv, environ), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
