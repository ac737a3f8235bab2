#pragma once

#include <optional>
#include <string>

// What the settings page tells the main page when its settings are saved.
class CreateTransactionSettingsVCDelegate {
public:
    virtual ~CreateTransactionSettingsVCDelegate() = default;

    // The saved name, or none when the transaction has no name. Sent once per Save,
    // after the settings are in the model: the opener redraws what it shows of them.
    virtual void shouldUpdateTransactionNameTo(const std::optional<std::string>& newName) = 0;
};
