#pragma once

#include <filesystem>

namespace host {

// Sets up the device the SDK runs on, with its files under `output`: home directory, main
// bundle and the main run loop on this thread with a manual clock, so the walk's pauses
// for animations and delays move it at once.
void setUpDevice(const std::filesystem::path& output);

// Runs every part of the sample host in order, printing what a user of the host would see
// and timing the SDK's work on each event.
void walkEveryPart(const std::filesystem::path& output);

} // namespace host
