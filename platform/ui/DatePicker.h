#pragma once

#include "foundation/Date.h"
#include "ui/Control.h"

#include <optional>

namespace platform::ui {

enum class DatePickerMode { time, date, dateAndTime, countDownTimer };

// A date chooser. Dates are kept within the minimum and maximum; a choice by the user
// sends value-changed, setting the date from code does not.
class DatePicker : public Control {
public:
    DatePicker();

    const Date& date() const { return date_; }
    void setDate(const Date& date, bool animated = false);
    const std::optional<Date>& minimumDate() const { return minimumDate_; }
    void setMinimumDate(const std::optional<Date>& date);
    const std::optional<Date>& maximumDate() const { return maximumDate_; }
    void setMaximumDate(const std::optional<Date>& date);
    DatePickerMode mode() const { return mode_; }
    void setMode(DatePickerMode mode) { mode_ = mode; }

    // What the user's spin of the wheels ends on.
    void pick(const Date& date);

    void draw(graphics::DrawingContext& context) const override;

private:
    Date clamped(const Date& date) const;

    Date date_;
    std::optional<Date> minimumDate_;
    std::optional<Date> maximumDate_;
    DatePickerMode mode_ = DatePickerMode::dateAndTime;
};

} // namespace platform::ui
