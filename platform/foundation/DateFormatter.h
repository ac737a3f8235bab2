#pragma once

#include "foundation/Date.h"

#include <memory>
#include <optional>
#include <string>

namespace platform {

// Formats and parses dates with a UTS #35 pattern ("yyyy-MM-dd", "MMM d, YYYY" ...)
// in a locale and time zone, by default the device's (Environment).
class DateFormatter {
public:
    explicit DateFormatter(const std::string& pattern, const std::string& locale = {}, const std::string& timeZone = {});
    ~DateFormatter();
    DateFormatter(DateFormatter&&) noexcept;
    DateFormatter& operator=(DateFormatter&&) noexcept;

    std::string format(const Date& date) const;
    std::optional<Date> parse(const std::string& text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
