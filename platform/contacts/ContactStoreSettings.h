#pragma once

#include "contacts/AuthorizationStatus.h"

#include <filesystem>
#include <memory>
#include <mutex>

namespace platform::contacts {

// What the host (or a test) decides about the device's address book: the folder of
// contact-card files that holds it, whether the app may read it, and what the user
// answers when asked. One shared instance, SharedInstance<ContactStoreSettings>;
// reset with the other shared instances.
class ContactStoreSettings {
public:
    static std::shared_ptr<ContactStoreSettings> shared();

    std::filesystem::path directory() const;
    void setDirectory(const std::filesystem::path& directory);

    AuthorizationStatus authorizationStatus() const;
    void setAuthorizationStatus(AuthorizationStatus status);

    // The user's answer to an access request while the status is not determined.
    bool grantsAccessWhenAsked() const;
    void setGrantsAccessWhenAsked(bool grants);

private:
    mutable std::mutex mutex_;
    std::filesystem::path directory_;
    AuthorizationStatus status_ = AuthorizationStatus::notDetermined;
    bool grantsAccessWhenAsked_ = true;
};

} // namespace platform::contacts
