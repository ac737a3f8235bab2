#include "foundation/DateFormatter.h"

#include "foundation/Environment.h"

#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace platform {

struct DateFormatter::Impl {
    std::unique_ptr<icu::SimpleDateFormat> format;
};

DateFormatter::DateFormatter(const std::string& pattern, const std::string& locale, const std::string& timeZone)
    : impl_(std::make_unique<Impl>())
{
    const auto localeId = locale.empty() ? Environment::locale() : locale;
    const auto zoneId = timeZone.empty() ? Environment::timeZone() : timeZone;
    UErrorCode status = U_ZERO_ERROR;
    impl_->format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(pattern),
                                                            icu::Locale(localeId.c_str()), status);
    if (U_FAILURE(status)) {
        impl_->format.reset();
        return;
    }
    impl_->format->setLenient(false);
    impl_->format->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zoneId)));
}

DateFormatter::~DateFormatter() = default;
DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;

std::string DateFormatter::format(const Date& date) const
{
    if (!impl_->format)
        return {};
    icu::UnicodeString text;
    impl_->format->format(date.timeIntervalSince1970() * 1000.0, text);
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::optional<Date> DateFormatter::parse(const std::string& text) const
{
    if (!impl_->format)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    icu::ParsePosition position(0);
    const auto input = icu::UnicodeString::fromUTF8(text);
    const UDate parsed = impl_->format->parse(input, position);
    if (U_FAILURE(status) || position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return std::nullopt;
    return Date(parsed / 1000.0);
}

} // namespace platform
