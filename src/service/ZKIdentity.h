#pragma once

#include "foundation/Dictionary.h"

#include <memory>
#include <optional>
#include <string>

// The signed-in user, kept in the user defaults so it outlives the process. Every field
// is nil while nobody is signed in.
class ZKIdentity {
public:
    static std::shared_ptr<ZKIdentity> sharedInstance();

    std::optional<std::string> email() const;
    std::optional<std::string> firstName() const;
    std::optional<std::string> lastName() const;
    std::optional<std::string> title() const;
    std::optional<std::string> company() const;
    std::optional<std::string> uid() const;

    // Records the user of a login reply: {"email", "firstName", "lastName", "title",
    // "company", "uid"}; a field that is missing or not text is cleared.
    void recordUser(const Dictionary& user);
    // Nobody is signed in any more.
    void clear();
};
