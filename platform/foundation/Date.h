#pragma once

#include <compare>

namespace platform {

// A moment as seconds since 1 January 1970 UTC.
class Date {
public:
    Date() = default;
    explicit Date(double secondsSince1970) : seconds_(secondsSince1970) {}

    static Date now();

    double timeIntervalSince1970() const { return seconds_; }
    Date byAdding(double seconds) const { return Date(seconds_ + seconds); }

    auto operator<=>(const Date&) const = default;

private:
    double seconds_ = 0;
};

} // namespace platform
