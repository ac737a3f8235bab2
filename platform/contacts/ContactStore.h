#pragma once

#include "contacts/AuthorizationStatus.h"
#include "contacts/Contact.h"
#include "contacts/ContactError.h"
#include "contacts/ContactFetchRequest.h"

#include <functional>
#include <optional>

namespace platform::contacts {

// The device's address book: the contact-card files (".vcf", ".vcard") of the folder
// that ContactStoreSettings names, read in file-name order, cards in file order.
class ContactStore {
public:
    using AccessCompletion = std::function<void(bool granted, std::optional<ContactError> error)>;
    using ContactVisitor = std::function<void(const Contact& contact, bool& stop)>;

    static AuthorizationStatus authorizationStatus();

    // Asks the user once: while the status is not determined the settings' answer
    // becomes the status (authorised or denied); afterwards the status decides. The
    // completion runs later on a thread of the store's own, never on the caller's.
    void requestAccess(AccessCompletion completion) const;

    // Visits every contact with the fetched keys filled in, until the visitor sets
    // `stop`. Without authorisation nothing is visited and the error says so; a card
    // that cannot be read ends the enumeration with an error after the contacts before it.
    std::optional<ContactError> enumerateContacts(const ContactFetchRequest& request, const ContactVisitor& visitor) const;
};

} // namespace platform::contacts
