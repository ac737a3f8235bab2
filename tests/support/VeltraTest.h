#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// How long a test waits for work on other threads before it gives up. Only a safety net
// against a hang, so it allows for a sanitizer on a busy machine, many times slower than
// usual; a test never waits this long when the work does what it should.
inline constexpr double kWorkWaitSeconds = 60;

// The base of every test case that touches the SDK: a fresh home directory in a
// temporary folder, the build's resources as the main bundle, a manual clock on the main
// run loop, every shared instance reset, and the log captured instead of printed.
class VeltraTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::filesystem::path& home() const { return home_; }
    // Log lines written during the case, as "<category>: <message>".
    const std::vector<std::string>& logLines() const { return *logLines_; }
    // Runs the main loop until the condition holds; false when it still does not after
    // kWorkWaitSeconds.
    static bool waitFor(const std::function<bool()>& condition);
    // Runs the main loop until no background work is in flight and nothing it posted is
    // left to run; false when the work outlasts kWorkWaitSeconds.
    static bool finishBackgroundWork();

private:
    std::filesystem::path home_;
    std::shared_ptr<std::vector<std::string>> logLines_;
};

// A fresh empty directory under the system's temporary folder.
std::filesystem::path makeTemporaryDirectory(const std::string& prefix);

// The bytes of a file in tests/samples; empty when it is missing.
std::vector<std::uint8_t> sampleFile(const std::string& name);

} // namespace testing_support
