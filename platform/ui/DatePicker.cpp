#include "ui/DatePicker.h"

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
constexpr double secondsPerDay = 86400;
constexpr double daysPerMonth = 30.44;

// One wheel: its share of the width and the text it shows `step` rows from the chosen one.
struct Wheel {
    double share;
    std::function<std::string(int step)> text;
};

std::vector<Wheel> wheelsFor(DatePickerMode mode, const Date& date)
{
    if (mode != DatePickerMode::date) {
        const char* pattern = mode == DatePickerMode::time ? "HH:mm" : "EEE d MMM  HH:mm";
        const double step = mode == DatePickerMode::time ? 60 : secondsPerDay;
        return {{1.0, [date, pattern, step](int k) { return DateFormatter(pattern).format(date.byAdding(k * step)); }}};
    }
    // Months are stepped from the middle of the chosen month, so no month is skipped.
    const int day = std::stoi(DateFormatter("d").format(date));
    const Date midMonth = date.byAdding((15 - day) * secondsPerDay);
    const int year = std::stoi(DateFormatter("yyyy").format(date));
    return {
        {0.25, [date](int k) { return DateFormatter("d").format(date.byAdding(k * secondsPerDay)); }},
        {0.4,
         [midMonth](int k) {
             return DateFormatter("MMMM").format(midMonth.byAdding(k * daysPerMonth * secondsPerDay));
         }},
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
