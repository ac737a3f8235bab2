#include "ui/DatePicker.h"

#include "foundation/Calendar.h"
#include "foundation/DateFormatter.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace platform::ui {

DatePicker::DatePicker() : Control(graphics::makeRect(0, 0, 320, 216)), date_(Date::now()) {}

Date DatePicker::clamped(const Date& date) const
{
    if (minimumDate_ && date < *minimumDate_) {
        return *minimumDate_;
    }
    if (maximumDate_ && date > *maximumDate_) {
        return *maximumDate_;
    }
    return date;
}

void DatePicker::setDate(const Date& date, bool)
{
    date_ = clamped(date);
}

void DatePicker::setMinimumDate(const std::optional<Date>& date)
{
    minimumDate_ = date;
    date_ = clamped(date_);
}

void DatePicker::setMaximumDate(const std::optional<Date>& date)
{
    maximumDate_ = date;
    date_ = clamped(date_);
}

void DatePicker::pick(const Date& date)
{
    date_ = clamped(date);
    sendActions(ControlEvent::valueChanged);
}

namespace {

constexpr double wheelRowHeight = 34;
constexpr int wheelRowsEachSide = 2;
constexpr double secondsPerMinute = 60;

// One wheel: its share of the width and the text it shows `step` rows from the chosen one.
struct Wheel {
    double share;
    std::function<std::string(int step)> text;
};

// Neighbouring days and months are counted on the calendar of the device's zone, so a day
// whose clocks change is shown once, as any other.
Wheel calendarWheel(double share, const char* pattern, CalendarUnit unit, const Date& date)
{
    return {share, [pattern, unit, date](int k) {
                return DateFormatter(pattern).format(Calendar().byAdding(unit, k, date));
            }};
}

std::vector<Wheel> wheelsFor(DatePickerMode mode, const Date& date)
{
    if (mode == DatePickerMode::time) {
        return {{1.0, [date](int k) { return DateFormatter("HH:mm").format(date.byAdding(k * secondsPerMinute)); }}};
    }
    if (mode != DatePickerMode::date) {
        return {calendarWheel(1.0, "EEE d MMM  HH:mm", CalendarUnit::day, date)};
    }
    const int year = std::stoi(DateFormatter("yyyy").format(date));
    return {
        calendarWheel(0.25, "d", CalendarUnit::day, date),
        calendarWheel(0.4, "MMMM", CalendarUnit::month, date),
        {0.35, [year](int k) { return std::to_string(year + k); }},
    };
}

} // namespace

// The wheels at rest: the chosen value in the band across the middle, its neighbours
// fading above and below, so the picker reads as something to turn.
void DatePicker::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds();
    const double bandTop = area.midY() - wheelRowHeight / 2;
    context.fill(graphics::makeRect(area.minX() + 8, bandTop, area.width() - 16, wheelRowHeight), Color::systemGray6(),
                 8);
    double left = area.minX();
    for (const auto& wheel : wheelsFor(mode_, date_)) {
        const double width = wheel.share * area.width();
        for (int step = -wheelRowsEachSide; step <= wheelRowsEachSide; ++step) {
            graphics::TextStyle style;
            style.font = graphics::Font::systemFont(step == 0 ? 20 : 18);
            style.alignment = graphics::TextAlignment::center;
            style.color = Color::fromWhite(0, step == 0 ? 1.0 : std::abs(step) == 1 ? 0.45 : 0.2);
            context.drawText(wheel.text(step),
                             graphics::makeRect(left, bandTop + step * wheelRowHeight, width, wheelRowHeight), style);
        }
        left += width;
    }
}

} // namespace platform::ui
