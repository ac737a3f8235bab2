#pragma once

#include <string>

namespace platform::contacts {

struct ContactError {
    enum class Code {
        accessDenied,   // the user has not allowed access to the contacts
        unreadableData, // a contact card that cannot be read
        storeUnavailable,
    };

    Code code;
    std::string description;
};

} // namespace platform::contacts
