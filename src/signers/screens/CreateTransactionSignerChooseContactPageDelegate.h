#pragma once

#include <optional>
#include <string>

// What the contacts picker hands to the page that opened it: the chosen contact's names,
// one of its e-mail addresses (none when it has none), company and job title.
class CreateTransactionSignerChooseContactPageDelegate {
public:
    virtual ~CreateTransactionSignerChooseContactPageDelegate() = default;

    virtual void newSignerSelectedFromPhonebook(const std::optional<std::string>& name,
                                                const std::optional<std::string>& familiyName,
                                                const std::optional<std::string>& email,
                                                const std::optional<std::string>& company,
                                                const std::optional<std::string>& jobTitle) = 0;
};
