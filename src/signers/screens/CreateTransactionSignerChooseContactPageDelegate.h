#pragma once

#include <optional>
#include <string>

// What the device contacts picker hands to the page that opened it: the chosen contact
// with the one address picked, or none when the contact has no address. Held weakly by
// the picker.
class CreateTransactionSignerChooseContactPageDelegate {
public:
    virtual ~CreateTransactionSignerChooseContactPageDelegate() = default;

    virtual void newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                                const std::optional<std::string>& familiyName,
                                                const std::optional<std::string>& email,
                                                const std::optional<std::string>& company,
                                                const std::optional<std::string>& jobTitle) = 0;
};
