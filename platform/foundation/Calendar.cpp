#include "foundation/Calendar.h"

#include "foundation/Environment.h"

#include <unicode/calendar.h>
#include <unicode/timezone.h>

namespace platform {

struct Calendar::Impl {
    std::unique_ptr<icu::Calendar> calendar;
};

Calendar::Calendar(const std::string& timeZone) : impl_(std::make_unique<Impl>())
{
    const auto zoneId = timeZone.empty() ? Environment::timeZone() : timeZone;
    UErrorCode status = U_ZERO_ERROR;
    impl_->calendar.reset(icu::Calendar::createInstance(
        icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneId)), icu::Locale(Environment::locale().c_str()),
        status));
    if (U_FAILURE(status)) {
        impl_->calendar.reset();
    }
}

Calendar::~Calendar() = default;
Calendar::Calendar(Calendar&&) noexcept = default;
Calendar& Calendar::operator=(Calendar&&) noexcept = default;

Date Calendar::byAdding(CalendarUnit unit, int amount, const Date& date) const
{
    if (!impl_->calendar) {
        return date;
    }
    UErrorCode status = U_ZERO_ERROR;
    impl_->calendar->setTime(date.timeIntervalSince1970() * 1000.0, status);
    impl_->calendar->add(unit == CalendarUnit::day ? UCAL_DATE : UCAL_MONTH, amount, status);
    const UDate moved = impl_->calendar->getTime(status);
    return U_FAILURE(status) ? date : Date(moved / 1000.0);
}

} // namespace platform
