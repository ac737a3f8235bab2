#pragma once

#include <optional>
#include <string>

// What the personal message page hands to the page that opened it: the message as the
// sender left it, an empty string when it was cleared.
class CreateTransactionSignerAddPersonalMessagePageDelegate {
public:
    virtual ~CreateTransactionSignerAddPersonalMessagePageDelegate() = default;

    virtual void newPersonalMessageAvailable(const std::optional<std::string>& message) = 0;
};
