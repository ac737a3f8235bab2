#include "SdkTest.h"

#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"

#include <atomic>
#include <thread>

namespace {

using sdk_test::RecordingDelegate;
using sdk_test::SdkTest;

// A host that calls the facade from a worker thread while its main thread runs the loop.
class VeltraFromAWorkerTest : public SdkTest {
protected:
    void SetUp() override
    {
        SdkTest::SetUp();
        service.addAccount("sam@example.com", "secret", {{"uid", "u-1"}, {"email", "sam@example.com"}}, "pkg-1");
    }

    // Runs the calls on a worker thread; the main loop runs until they have returned.
    void fromAWorker(const std::function<void()>& calls)
    {
        std::atomic<bool> returned = false;
        std::thread worker([&] {
            calls();
            returned = true;
        });
        EXPECT_TRUE(waitFor([&] { return returned.load(); }));
        worker.join();
    }

    std::shared_ptr<RecordingDelegate> host = std::make_shared<RecordingDelegate>();
};

TEST_F(VeltraFromAWorkerTest, SignInFromAWorkerAnswersOnTheMainThread)
{
    std::string address;
    std::optional<Dictionary> reply;
    bool answeredOnMain = false;
    fromAWorker([&] {
        const auto sdk = Veltra::dashboard();
        sdk->setServerAddress(service.address());
        address = sdk->serverAddress();
        sdk->setDelegate(host);
        sdk->loginWithEmailPasswordAndCallback("sam@example.com", "secret", [&](const Dictionary& answer) {
            answeredOnMain = platform::RunLoop::main().isMainThread();
            reply = answer;
        });
    });
    ASSERT_TRUE(waitFor([&] { return reply.has_value(); }));
    EXPECT_TRUE(answeredOnMain);
    EXPECT_TRUE(reply->contains("data")) << reply->dump();
    EXPECT_EQ(ZKIdentity::sharedInstance()->email(), "sam@example.com");
    EXPECT_EQ(address, service.address()) << "a getter sees what the same thread set before";
    EXPECT_EQ(Veltra::dashboard()->delegate(), host);
}

TEST_F(VeltraFromAWorkerTest, TheComposerOpensAndClosesFromAWorker)
{
    signIn();
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName("Lease");
    bool shown = false;
    fromAWorker([&] {
        const auto sdk = Veltra::dashboard();
        sdk->setRootViewController(root);
        sdk->setDelegate(host);
        shown = sdk->createAndStartEditWithTransaction(transaction, true, true, true);
    });
    EXPECT_TRUE(shown);
    EXPECT_NE(std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(navigation->topViewController()),
              nullptr);

    fromAWorker([] { Veltra::dashboard()->exitSDK(); });
    platform::RunLoop::main().advance(1);
    EXPECT_EQ(host->exits.size(), 1u);
}

} // namespace
