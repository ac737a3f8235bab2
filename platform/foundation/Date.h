#pragma once

#include <compare>

namespace platform {

// A moment as seconds since 1 January 1970 UTC.
class Date {
public:
    Date() = default;
    explicit Date(double secondsSince1970) : seconds_(secondsSince1970) {}

    // The wall clock, unless pinned.
    static Date now();
    // Tests pin the wall clock so that the dates a screen shows and compares do not hang
    // on the day the test runs: while pinned, now() is the moment moved on by the seconds
    // the main run loop's clock has advanced since. SharedInstances::resetAll() unpins.
    // Any thread.
    static void pinNow(const Date& moment);
    static void unpinNow();

    double timeIntervalSince1970() const { return seconds_; }
    Date byAdding(double seconds) const { return Date(seconds_ + seconds); }

    auto operator<=>(const Date&) const = default;

private:
    double seconds_ = 0;
};

} // namespace platform
