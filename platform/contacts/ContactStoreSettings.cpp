#include "contacts/ContactStoreSettings.h"

#include "foundation/SharedInstances.h"

namespace platform::contacts {

std::shared_ptr<ContactStoreSettings> ContactStoreSettings::shared()
{
    return SharedInstance<ContactStoreSettings>::get();
}

std::filesystem::path ContactStoreSettings::directory() const
{
    std::lock_guard lock(mutex_);
    return directory_;
}

void ContactStoreSettings::setDirectory(const std::filesystem::path& directory)
{
    std::lock_guard lock(mutex_);
    directory_ = directory;
}

AuthorizationStatus ContactStoreSettings::authorizationStatus() const
{
    std::lock_guard lock(mutex_);
    return status_;
}

void ContactStoreSettings::setAuthorizationStatus(AuthorizationStatus status)
{
    std::lock_guard lock(mutex_);
    status_ = status;
}

bool ContactStoreSettings::grantsAccessWhenAsked() const
{
    std::lock_guard lock(mutex_);
    return grantsAccessWhenAsked_;
}

void ContactStoreSettings::setGrantsAccessWhenAsked(bool grants)
{
    std::lock_guard lock(mutex_);
    grantsAccessWhenAsked_ = grants;
}

} // namespace platform::contacts
