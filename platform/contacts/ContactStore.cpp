#include "contacts/ContactStore.h"

#include "contacts/ContactStoreSettings.h"
#include "contacts/VCardReader.h"
#include "foundation/BackgroundWork.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace platform::contacts {
namespace {

namespace fs = std::filesystem;

bool wants(const ContactFetchRequest& request, ContactKey key)
{
    return std::find(request.keysToFetch.begin(), request.keysToFetch.end(), key) != request.keysToFetch.end();
}

Contact fetched(Contact&& card, const ContactFetchRequest& request)
{
    Contact contact;
    contact.identifier = std::move(card.identifier);
    if (wants(request, ContactKey::givenName))
        contact.givenName = std::move(card.givenName);
    if (wants(request, ContactKey::familyName))
        contact.familyName = std::move(card.familyName);
    if (wants(request, ContactKey::emailAddresses))
        contact.emailAddresses = std::move(card.emailAddresses);
    if (wants(request, ContactKey::organizationName))
        contact.organizationName = std::move(card.organizationName);
    if (wants(request, ContactKey::jobTitle))
        contact.jobTitle = std::move(card.jobTitle);
    if (wants(request, ContactKey::imageData))
        contact.imageData = std::move(card.imageData);
    return contact;
}

std::vector<fs::path> cardFiles(const fs::path& directory)
{
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        const std::string extension = it->path().extension().string();
        if (it->is_regular_file() && (extension == ".vcf" || extension == ".vcard"))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<std::string> fileContents(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        return std::nullopt;
    return std::string((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

} // namespace

AuthorizationStatus ContactStore::authorizationStatus()
{
    return ContactStoreSettings::shared()->authorizationStatus();
}

void ContactStore::requestAccess(AccessCompletion completion) const
{
    auto settings = ContactStoreSettings::shared();
    if (settings->authorizationStatus() == AuthorizationStatus::notDetermined) {
        settings->setAuthorizationStatus(
            settings->grantsAccessWhenAsked() ? AuthorizationStatus::authorized : AuthorizationStatus::denied);
    }
    const bool granted = settings->authorizationStatus() == AuthorizationStatus::authorized;
    BackgroundWork::start([completion = std::move(completion), granted] {
        if (granted)
            completion(true, std::nullopt);
        else
            completion(false, ContactError{ContactError::Code::accessDenied, "Access to the contacts was denied"});
    });
}

std::optional<ContactError> ContactStore::enumerateContacts(
    const ContactFetchRequest& request, const ContactVisitor& visitor) const
{
    if (authorizationStatus() != AuthorizationStatus::authorized)
        return ContactError{ContactError::Code::accessDenied, "Access to the contacts was denied"};
    for (const fs::path& file : cardFiles(ContactStoreSettings::shared()->directory())) {
        const auto contents = fileContents(file);
        if (!contents)
            return ContactError{ContactError::Code::storeUnavailable, "Cannot read " + file.filename().string()};
        VCardReadResult result = VCardReader::read(std::span(reinterpret_cast<const std::uint8_t*>(contents->data()), contents->size()));
        for (std::size_t i = 0; i < result.contacts.size(); ++i) {
            Contact& card = result.contacts[i];
            if (card.identifier.empty())
                card.identifier = file.filename().string() + "#" + std::to_string(i);
            bool stop = false;
            visitor(fetched(std::move(card), request), stop);
            if (stop)
                return std::nullopt;
        }
        if (result.error)
            return result.error;
    }
    return std::nullopt;
}

} // namespace platform::contacts
