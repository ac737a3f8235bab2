#pragma once

#include <optional>
#include <string>

// What the settings page tells the main page when its settings are saved.
class CreateTransactionSettingsVCDelegate {
public:
    virtual ~CreateTransactionSettingsVCDelegate() = default;

    // The saved name, or none when the transaction has no name.
    virtual void shouldUpdateTransactionNameTo(const std::optional<std::string>& newName) = 0;
};
