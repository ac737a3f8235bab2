#include "composer/SignerRowDictionary.h"

#include "composer/RecipientDomains.h"
#include "sdk/VTSigner.h"
#include "support/LocalizedSDK.h"

namespace {

bool contains(const std::string& text, const char* fragment)
{
    return text.find(fragment) != std::string::npos;
}

std::string emailDisplay(const VTSigner& signer, bool placeholder, bool group)
{
    if (placeholder) {
        return localizedSDK("* Enter recipient information");
    }
    return group ? signer.title() : signer.email();
}

} // namespace

bool SignerRowDictionary::isPlaceholder(const VTSigner& signer)
{
    return contains(signer.email(), RecipientDomains::kPlaceholderDomain);
}

bool SignerRowDictionary::isGroupRow(const VTSigner& signer)
{
    if (isPlaceholder(signer)) {
        return false;
    }
    return contains(signer.email(), RecipientDomains::kGroupMailDomainMarker) || signer.email() == signer.title();
}

Dictionary SignerRowDictionary::make(const VTSigner& signer, int index)
{
    const bool placeholder = isPlaceholder(signer);
    const bool group = isGroupRow(signer);
    Dictionary row = Dictionary::object();
    row["firstName"] = signer.firstName();
    row["lastName"] = signer.lastName();
    row["email"] = signer.email();
    row["emailDisplay"] = emailDisplay(signer, placeholder, group);
    row["title"] = signer.title();
    row["company"] = signer.company();
    row["displayName"] = signer.firstName() + " " + signer.lastName();
    row["index"] = index;
    if (signer.authenticationDict()) {
        row["authentication"] = *signer.authenticationDict();
    }
    if (signer.emailMessage()) {
        row["emailMessage"] = *signer.emailMessage();
    }
    row["placeholder"] = placeholder;
    row["allowSignerChange"] = signer.allowChangeSigners();
    row["group"] = group;
    row["role"] = signer.role();
    return row;
}
