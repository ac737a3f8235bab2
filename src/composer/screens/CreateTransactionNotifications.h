#pragma once

// The composer's notifications, posted on the default centre with no object.
struct CreateTransactionNotifications {
    static constexpr const char* transactionNameDidBeginEditing =
        "com.corvex.Veltra.CreateTransaction.transactionNameDidBeginEditingNotification";
    static constexpr const char* orderedSigningTurnedOn =
        "com.corvex.Veltra.CreateTransaction.orderedSigningTurnedOnNotification";
    static constexpr const char* orderedSigningTurnedOff =
        "com.corvex.Veltra.CreateTransaction.orderedSigningTurnedOffNotification";
    // A document row's reorder drag began; it ended, or the table would not start one.
    // For the host: nothing of the SDK listens.
    static constexpr const char* documentDraggingStarted =
        "com.corvex.Veltra.CreateTransaction.documentDraggingstartedNotification";
    static constexpr const char* documentDraggingEnded =
        "com.corvex.Veltra.CreateTransaction.documentDraggingEndedNotification";
};
