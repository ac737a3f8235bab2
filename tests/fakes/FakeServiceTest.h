#pragma once

#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "service/ZKServerSettings.h"
#include "service/ZKWebPoster.h"
#include "support/VeltraTest.h"


namespace fakes {

// A test case with the stand-in service running and the SDK pointed at it. Requests run
// on worker threads; waitFor() runs the main loop until their completions have come.
class FakeServiceTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        ASSERT_TRUE(service.start());
        ZKServerSettings::sharedInstance()->setServerAddress(service.address());
    }

    void TearDown() override
    {
        service.stop();
        VeltraTest::TearDown();
    }

    // Signs "ann@example.com" in on the stand-in service, so requests carry a session.
    void signIn()
    {
        service.addAccount("ann@example.com", "secret", {{"email", "ann@example.com"}});
        bool done = false;
        ZKWebPoster::loginWithEmailPasswordCallback("ann@example.com", "secret", [&](const ZKReply&) { done = true; });
        ASSERT_TRUE(waitFor([&] { return done; }));
    }

    FakeSigningService service;
};

} // namespace fakes
