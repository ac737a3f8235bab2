#include "DemoSender.h"

#if __has_include("fakes/FakeSigningService.h")

#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"

#include <iostream>

namespace host {

namespace {
constexpr const char* senderEmail = "ben@example.com";
constexpr const char* senderPassword = "demo-password";
} // namespace

void addSenderAccount(fakes::FakeSigningService& service, const std::optional<std::string>& packageGuid)
{
    service.addAccount(senderEmail, senderPassword,
                       {{"uid", "U-BEN"}, {"email", senderEmail}, {"firstName", "Ben"}, {"lastName", "Landlord"}},
                       packageGuid);
}

bool startService(fakes::FakeSigningService& service)
{
    if (service.start()) {
        return true;
    }
    std::cout << "The stand-in service could not start.\n";
    return false;
}

std::optional<Dictionary> signInSender(const fakes::FakeSigningService& service)
{
    const auto facade = Veltra::dashboard();
    facade->setServerAddress(service.address());
    std::optional<Dictionary> reply;
    facade->loginWithEmailPasswordAndCallback(senderEmail, senderPassword,
                                              [&reply](const Dictionary& result) { reply = result; });
    platform::RunLoop::main().advanceUntil([&reply] { return reply.has_value(); }, 10);
    return reply;
}

} // namespace host

#endif
