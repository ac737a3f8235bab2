#pragma once

#include <optional>
#include <string>

// Receives the personal message written on the personal message page; an empty string
// when the sender cleared it. Held weakly by that page.
class CreateTransactionSignerAddPersonalMessagePageDelegate {
public:
    virtual ~CreateTransactionSignerAddPersonalMessagePageDelegate() = default;

    virtual void newPersonalMessageAvailable(const std::optional<std::string>& message) = 0;
};
