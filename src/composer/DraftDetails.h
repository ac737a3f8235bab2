#pragma once

#include "foundation/Date.h"
#include "foundation/Dictionary.h"

#include <optional>
#include <string>

// What the host's delegate hears of a transaction started as a local draft: the summary
// the host's transaction lists use, keys in the order they expect.
class DraftDetails {
public:
    // `transaction`: the start's {"guid", "desc", "name", "status", "type"}.
    static Dictionary make(const Dictionary& transaction, const std::optional<std::string>& senderEmail,
                           const platform::Date& now);

    // {"email": the sender's e-mail}; empty while nobody is signed in.
    static Dictionary sender(const std::optional<std::string>& senderEmail);
};
