#pragma once

#include "contacts/ContactKey.h"

#include <vector>

namespace platform::contacts {

// What an enumeration reads of each contact; the identifier is always read.
struct ContactFetchRequest {
    std::vector<ContactKey> keysToFetch;
};

} // namespace platform::contacts
