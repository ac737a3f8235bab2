#pragma once

namespace platform::contacts {

// The fields of a contact that a fetch can ask for.
enum class ContactKey { givenName, familyName, emailAddresses, organizationName, jobTitle, imageData };

} // namespace platform::contacts
