#pragma once

#include "contacts/Contact.h"
#include "contacts/ContactError.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::contacts {

struct VCardReadResult {
    // The cards read, in stream order, up to the first bad one.
    std::vector<Contact> contacts;
    // Set when the data holds no card or a bad one: a line without a value, a card
    // inside a card, one without its END, an unknown version, a picture that does not
    // decode, or text between cards.
    std::optional<ContactError> error;
};

// Reads contact cards of versions 2.1, 3.0 and 4.0 (one or more in a stream): folded
// lines, quoted-printable soft line breaks, escaped characters, parameters in the 2.1
// and later forms, quoted-printable and base64 values and data URIs. Takes N, FN, EMAIL
// (all of them, with their type as label), ORG, TITLE, PHOTO and UID. Text is UTF-8, or
// Windows-1252 when it is not valid UTF-8.
class VCardReader {
public:
    static VCardReadResult read(std::span<const std::uint8_t> bytes);
    static VCardReadResult read(std::string_view text);
};

} // namespace platform::contacts
