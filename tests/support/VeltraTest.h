#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

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

private:
    std::filesystem::path home_;
    std::shared_ptr<std::vector<std::string>> logLines_;
};

// A fresh empty directory under the system's temporary folder.
std::filesystem::path makeTemporaryDirectory(const std::string& prefix);

// The bytes of a file in tests/samples; empty when it is missing.
std::vector<std::uint8_t> sampleFile(const std::string& name);

} // namespace testing_support
