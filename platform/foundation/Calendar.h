#pragma once

#include "foundation/Date.h"

#include <memory>
#include <string>

namespace platform {

enum class CalendarUnit { day, month };

// Date arithmetic in calendar units, in the device's calendar (Environment's locale) and a
// time zone, by default the device's: a day later is the same wall-clock time on the next
// date, however long that day is.
// Holds no shared state; one instance belongs to one thread.
class Calendar {
public:
    explicit Calendar(const std::string& timeZone = {});
    ~Calendar();
    Calendar(Calendar&&) noexcept;
    Calendar& operator=(Calendar&&) noexcept;

    Date byAdding(CalendarUnit unit, int amount, const Date& date) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
