#pragma once

#include "contacts/Contact.h"

#include <string>
#include <vector>

namespace platform::contacts {

enum class VCardVersion { v2_1, v3_0, v4_0 };

// Writes contacts as contact cards of one version: CRLF line ends, lines folded at 75
// octets (never inside a UTF-8 character), values escaped as the version wants
// (quoted-printable for non-ASCII text in 2.1), pictures in base64 (a data URI in 4.0).
class VCardWriter {
public:
    static std::string write(const std::vector<Contact>& contacts, VCardVersion version);
    static std::string write(const Contact& contact, VCardVersion version);
};

} // namespace platform::contacts
