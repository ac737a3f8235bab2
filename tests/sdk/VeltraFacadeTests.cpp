#include "SdkTest.h"

#include "DataManager/ZKTransactionManager.h"
#include "ceremony/screens/ZKCTouchManager.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "designer/ZKDesignerHelper.h"
#include "sdk/VTDocument.h"
#include "sdk/VTSigner.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "sdk/VeltraCreateTransactionDelegate.h"
#include "support/ZKError.h"
#include "service/ZKIdentity.h"
#include "service/ZKWebFetcher.h"
#include "support/ZKLogger.h"
#include "ui/GestureRecognizer.h"
#include "ui/PanGestureRecognizer.h"

namespace {

using sdk_test::RecordingDelegate;
using sdk_test::SdkTest;

class VeltraFacadeTest : public SdkTest {
protected:
    void SetUp() override
    {
        SdkTest::SetUp();
        service.addAccount("sam@example.com", "secret",
                           {{"uid", "u-1"}, {"email", "sam@example.com"}, {"firstName", "Sam"}, {"lastName", "Sender"}},
                           "pkg-1");
        service.setDesignerSettings("pkg-1", {{"textField", {{"required", true}}}});
        facade = Veltra::dashboard();
        facade->setServerAddress(service.address());
        facade->setRootViewController(root);
        facade->setDelegate(host);
    }

    Dictionary call(const std::function<void(const Veltra::Callback&)>& operation)
    {
        std::optional<Dictionary> reply;
        operation([&reply](const Dictionary& result) { reply = result; });
        EXPECT_TRUE(waitFor([&reply] { return reply.has_value(); }));
        return reply.value_or(Dictionary());
    }

    // The session cookie that the next request to the service carries ("" for none).
    std::string cookieOfTheNextRequest()
    {
        bool answered = false;
        ZKWebFetcher::sessionWithCallback([&answered](const ZKReply&) { answered = true; });
        EXPECT_TRUE(waitFor([&answered] { return answered; }));
        return service.requestsTo("GET", "/api/session").back().header("Cookie");
    }

    std::string startedDraft()
    {
        VTTransaction transaction;
        transaction.setName("Draft");
        transaction.addDocument(VTDocument::initWithNameAndPath("One", writePdf("one.pdf")));
        transaction.addSigner(VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole("A", "B", "a@b.io", "", "", ""));
        std::string guid;
        transaction.startEditingWithCallback([&guid](const Dictionary& reply) { guid = reply.value("guid", ""); });
        return guid;
    }

    std::shared_ptr<Veltra> facade;
    std::shared_ptr<RecordingDelegate> host = std::make_shared<RecordingDelegate>();
};

TEST_F(VeltraFacadeTest, DashboardIsOneObjectAndPushesItsLogLevel)
{
    EXPECT_EQ(Veltra::dashboard(), facade);
    facade->setLogLevel(700);
    ZKLogger::setThreshold(1);
    Veltra::dashboard();
    EXPECT_EQ(ZKLogger::threshold(), 700);
}

TEST_F(VeltraFacadeTest, RootViewControllerHidesTheHostsBarAndSwipeBack)
{
    EXPECT_EQ(facade->rootViewController(), root);
    EXPECT_TRUE(navigation->isNavigationBarHidden());
    EXPECT_FALSE(navigation->interactivePopGestureRecognizer()->isEnabled());
    facade->setRootViewController(nullptr);
    EXPECT_EQ(facade->rootViewController(), root);
}

TEST_F(VeltraFacadeTest, DelegatesAreHeldWeakly)
{
    host.reset();
    EXPECT_FALSE(facade->delegate());
}

TEST_F(VeltraFacadeTest, LoginRecordsTheIdentityAndDesignerSettings)
{
    const auto reply = call([&](const auto& callback) {
        facade->loginWithEmailPasswordAndCallback("sam@example.com", "secret", callback);
    });
    ASSERT_TRUE(reply.contains("data")) << reply.dump();
    EXPECT_EQ(reply["data"]["user"]["uid"], "u-1");
    EXPECT_EQ(ZKIdentity::sharedInstance()->email(), "sam@example.com");
    EXPECT_EQ(service.requestsTo("GET", "/api/packages/pkg-1/designer").size(), 1u);

    service.respondWith("DELETE", "/api/session", 200, "{}");
    const auto out = call([&](const auto& callback) { facade->logoutWithCallback(callback); });
    EXPECT_TRUE(out.contains("data")) << out.dump();
    EXPECT_EQ(service.requestsTo("DELETE", "/api/session").size(), 1u);
    EXPECT_FALSE(ZKIdentity::sharedInstance()->email());
    EXPECT_EQ(cookieOfTheNextRequest(), "");
}

TEST_F(VeltraFacadeTest, FailedLoginAndLogoutReportErrors)
{
    const auto reply = call([&](const auto& callback) {
        facade->loginWithEmailPasswordAndCallback("sam@example.com", "wrong", callback);
    });
    ASSERT_TRUE(reply.contains("error")) << reply.dump();
    EXPECT_FALSE(reply.contains("data"));
    EXPECT_FALSE(ZKIdentity::sharedInstance()->email());

    call([&](const auto& callback) { facade->loginWithEmailPasswordAndCallback("sam@example.com", "secret", callback); });
    ASSERT_NE(cookieOfTheNextRequest(), "");
    service.respondWith("DELETE", "/api/session", 500, "{}");
    const auto out = call([&](const auto& callback) { facade->logoutWithCallback(callback); });
    EXPECT_TRUE(out.contains("error"));
    EXPECT_FALSE(ZKIdentity::sharedInstance()->email()) << "signed out locally all the same";
    EXPECT_EQ(cookieOfTheNextRequest(), "") << "and the session goes with it";
}

TEST_F(VeltraFacadeTest, PrefetchAndCachedReadOfStoredTransactions)
{
    const auto guid = startedDraft();
    ASSERT_FALSE(guid.empty());

    const auto prefetched = call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(guid, callback); });
    EXPECT_EQ(prefetched, (Dictionary{{"data", {{"guid", guid}, {"title", "Draft"}, {"postingStatus", "draft"}}}}));

    const auto cached = call([&](const auto& callback) { facade->transactionWithGUIDCachedWithCallback(guid, true, callback); });
    EXPECT_EQ(cached["guid"], guid) << "no data wrapper";
    EXPECT_EQ(cached["title"], "Draft");
    const auto uncached = call([&](const auto& callback) { facade->transactionWithGUIDCachedWithCallback(guid, false, callback); });
    EXPECT_EQ(uncached["data"], cached);

    for (const std::string unknown : {"unknown", ""}) {
        EXPECT_TRUE(call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(unknown, callback); })
                        .contains("error"));
        EXPECT_TRUE(call([&](const auto& callback) { facade->transactionWithGUIDCachedWithCallback(unknown, true, callback); })
                        .contains("error"));
    }
}

TEST_F(VeltraFacadeTest, PrefetchReportsAStoredTransactionWhosePdfIsGone)
{
    const auto guid = startedDraft();
    for (const auto& file : storedFiles()) {
        std::filesystem::remove(file);
    }
    const auto reply = call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(guid, callback); });
    EXPECT_EQ(reply["error"]["code"], ZKError::documentMissing);
}

TEST_F(VeltraFacadeTest, ExitSdkClosesTheHubAndTellsTheHost)
{
    const auto guid = startedDraft();
    ASSERT_TRUE(root->presentedViewController());
    facade->exitSDK();
    platform::RunLoop::main().advance(1);
    EXPECT_FALSE(root->presentedViewController());
    ASSERT_EQ(host->exits.size(), 1u);
    EXPECT_EQ(host->exits[0]["guid"], guid);

    facade->exitSDK();
    EXPECT_EQ(host->exits.size(), 2u) << "reported also with nothing on screen";
}

class HostCreateDelegate : public VeltraCreateTransactionDelegate {
public:
    explicit HostCreateDelegate(bool implements) : implements_(implements) {}
    bool respondsToOnAddDocumentAndCallback() const override { return implements_; }
    void onAddDocumentAndCallback(const std::shared_ptr<platform::ui::ViewController>&,
                                  const AddDocumentCallback& callback) override
    {
        callback("/host/file.pdf", std::string("File"));
    }
    bool respondsToOnCloseButton() const override { return implements_; }
    void onCloseButton(const std::shared_ptr<platform::ui::ViewController>&) override { ++closes; }

    int closes = 0;

private:
    bool implements_;
};

TEST_F(VeltraFacadeTest, PageDelegateMessagesReachTheHostOnlyWhenItImplementsThem)
{
    const auto page = std::make_shared<CreateTransactionAddDocsAndSignersPage>();
    for (const bool implements : {true, false}) {
        auto create = std::make_shared<HostCreateDelegate>(implements);
        facade->setCreateTransactionDelegate(create);
        std::vector<std::string> added;
        facade->createTransactionPageAddDocumentButtonTappedWithCreateTransactionVCWithCallBack(
            page, [&added](const std::string& path, const std::optional<std::string>&) { added.push_back(path); });
        facade->createTransactionPageCloseButtonTappedWithCreateTransactionVC(page);
        EXPECT_EQ(added.size(), implements ? 1u : 0u);
        EXPECT_EQ(create->closes, implements ? 1 : 0);
    }
}

TEST_F(VeltraFacadeTest, ComposerMethodsHideTheHostBarThenPushTheMainPage)
{
    navigation->setNavigationBarHidden(false, false);
    EXPECT_TRUE(facade->startEditingTransactionWithGuid(std::nullopt, true, true, true));
    EXPECT_TRUE(navigation->isNavigationBarHidden());
    const auto page = std::dynamic_pointer_cast<CreateTransactionAddDocsAndSignersPage>(navigation->topViewController());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->delegate(), facade);
    EXPECT_FALSE(facade->createAndStartEditTransactionWithDocuments(std::nullopt, true, true, true));
    EXPECT_EQ(navigation->topViewController(), page);
}

TEST_F(VeltraFacadeTest, PreviewLoadPath)
{
    EXPECT_FALSE(Veltra::previewLoadPath());
    Veltra::setPreviewLoadPath("/inbox/a.pdf");
    EXPECT_EQ(Veltra::previewLoadPath(), "/inbox/a.pdf");
}

} // namespace
