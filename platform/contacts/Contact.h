#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::contacts {

// A value with its label, such as an e-mail address labelled "work". The label is the
// lower-cased type a card gives ("home", "work", "other"), empty when it gives none.
struct LabeledValue {
    std::string label;
    std::string value;
    bool operator==(const LabeledValue&) const = default;
};

// One person of the address book or of a dropped contact card. Fields that a fetch did
// not ask for are left empty.
struct Contact {
    std::string identifier;
    std::string givenName;
    std::string familyName;
    std::vector<LabeledValue> emailAddresses;
    std::string organizationName;
    std::string jobTitle;
    std::optional<std::vector<std::uint8_t>> imageData;

    bool operator==(const Contact&) const = default;
};

} // namespace platform::contacts
