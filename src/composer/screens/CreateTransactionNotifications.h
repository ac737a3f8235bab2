#pragma once

// The composer's notifications, posted on the default centre with no object.
struct CreateTransactionNotifications {
    static constexpr const char* transactionNameDidBeginEditing =
        "com.corvex.Veltra.CreateTransaction.transactionNameDidBeginEditingNotification";
    static constexpr const char* orderedSigningTurnedOn =
        "com.corvex.Veltra.CreateTransaction.orderedSigningTurnedOnNotification";
    static constexpr const char* orderedSigningTurnedOff =
        "com.corvex.Veltra.CreateTransaction.orderedSigningTurnedOffNotification";
};
