#pragma once

// The notifications by which the designer's side panel tells its rows how large it is,
// posted on the default centre with object nil.
struct ZKFieldsTableNotifications {
    // The panel is shrinking to its icon column, or growing to its full width; the user
    // info's "animationDuration" (a number of seconds) is how long the rows take.
    static constexpr const char* minimize = "com.Veltra.iOS.SDK.fieldsTableMinimizeNotification";
    static constexpr const char* maximize = "com.Veltra.iOS.SDK.fieldsTableMaximizeNotification";
    // The panel follows a finger from the screen's edge; the user info's "progress" is
    // how far it is open, 0 hidden and 1 maximised.
    static constexpr const char* transitioning = "com.Veltra.iOS.SDK.fieldsTableTransitioningNotification";

    static constexpr const char* animationDurationKey = "animationDuration";
    static constexpr const char* progressKey = "progress";
};
