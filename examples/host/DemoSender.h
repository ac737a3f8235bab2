#pragma once

#if __has_include("fakes/FakeSigningService.h")

#include "fakes/FakeSigningService.h"
#include "foundation/Dictionary.h"

#include <optional>
#include <string>

namespace host {

// Ben Landlord, the sender the walks sign in as on the loopback stand-in of the signing
// service; `packageGuid` gives his login a package, for designer settings kept on it.
void addSenderAccount(fakes::FakeSigningService& service, const std::optional<std::string>& packageGuid = std::nullopt);

// Starts the service on the loopback, or says that it could not.
bool startService(fakes::FakeSigningService& service);

// Points the SDK at the service and signs the sender in through the facade. Answers the
// login reply, or nothing when none came within ten seconds.
std::optional<Dictionary> signInSender(const fakes::FakeSigningService& service);

} // namespace host

#endif
