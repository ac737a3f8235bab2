#pragma once

#include "foundation/Dictionary.h"
#include "model/ZKGroup.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

// The service's reply to the group list fetch: {"count", "results": [{"id", "name",
// "email", "members": [{"email"}]}]} or {"error"}.
class SigningGroupsReply {
public:
    using Groups = std::vector<std::shared_ptr<ZKGroup>>;

    // The groups of a reply that brings some, in order; nothing for an error, a missing
    // or zero "count", or a reply that is not a dictionary. Entries that are not
    // dictionaries are skipped; missing or non-text fields read as "".
    static std::optional<Groups> groupsFrom(const Dictionary& reply, const std::optional<std::string>& userEmail);

    // Whether one of the group's "members" has exactly this e-mail.
    static bool isMemberForGroup(const std::optional<std::string>& email, const Dictionary& group);
};
