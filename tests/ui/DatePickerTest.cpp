// The date picker's wheels in a zone whose clocks change.
#include "foundation/DateFormatter.h"
#include "foundation/Environment.h"
#include "support/VeltraTest.h"
#include "ui/DatePicker.h"

#include <string>
#include <vector>

using namespace platform::ui;
using platform::DateFormatter;
using platform::Environment;

namespace {

class DatePickerTest : public testing_support::VeltraTest {};

// The picker at a wall-clock time of the device's zone, as it draws.
std::vector<std::uint8_t> pickerAt(const std::string& wallClock, DatePickerMode mode)
{
    DatePicker picker;
    picker.setMode(mode);
    picker.setDate(DateFormatter("yyyy-MM-dd HH:mm").parse(wallClock).value());
    picker.setBackgroundColor(Color::white());
    return picker.snapshotImage(1, true)->pngData();
}

} // namespace

// On the days New York's clocks change, the wheel reads as it does in a zone whose clocks
// never change: five different, consecutive days.
TEST_F(DatePickerTest, TheDayWheelCountsCalendarDaysOnTheDaysTheClocksChange)
{
    for (const auto mode : {DatePickerMode::date, DatePickerMode::dateAndTime}) {
        for (const std::string wallClock : {"2025-11-02 23:30", "2026-03-09 00:30", "2026-03-08 12:00"}) {
            Environment::setTimeZone("America/New_York");
            const auto inNewYork = pickerAt(wallClock, mode);
            Environment::setTimeZone("UTC");
            EXPECT_EQ(inNewYork, pickerAt(wallClock, mode))
                << wallClock << (mode == DatePickerMode::date ? ", date only" : "");
        }
    }
}
