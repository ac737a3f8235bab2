#include "ui/DatePicker.h"

#include "foundation/DateFormatter.h"

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

void DatePicker::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds();
    context.fill(graphics::makeRect(area.minX(), area.midY() - 17, area.width(), 34), Color::systemGray6(), 8);
    graphics::TextStyle style;
    style.font = graphics::Font::systemFont(20);
    style.alignment = graphics::TextAlignment::center;
    const char* pattern = mode_ == DatePickerMode::time ? "HH:mm" : mode_ == DatePickerMode::date ? "EEE d MMM yyyy" : "EEE d MMM  HH:mm";
    context.drawText(DateFormatter(pattern).format(date_),
                     graphics::makeRect(area.minX(), area.midY() - 17, area.width(), 34), style);
}

} // namespace platform::ui
