#include "DataManagerTest.h"

#include "designer/ZKDesignerFieldSettings.h"
#include "DataManager/ZKTransactionSynchronizer.h"
#include "designer/ZKDesignerHelper.h"
#include "foundation/NotificationCenter.h"
#include "foundation/UserDefaults.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKParticipant.h"
#include "model/ZKPredefinedActions.h"
#include "service/ZKIdentity.h"
#include "service/ZKSession.h"

#include <optional>

namespace {

class ZKDataManagerTest : public DataManagerTest {
protected:
    void SetUp() override
    {
        DataManagerTest::SetUp();
        ZKFieldSettings::install(std::make_shared<ZKDesignerFieldSettings>());
    }

    struct Outcome {
        std::optional<Dictionary> reply;
        std::optional<ZKError> error;
        std::optional<Dictionary> settingsAtSuccess;
    };

    Outcome login(const std::string& email, const std::string& password)
    {
        Outcome outcome;
        bool done = false;
        ZKTransactionManager::sharedInstance()->dataManager()->handleLoginForEmailAndPasswordDownloadConsentWithDictWithSuccessCallbackAndFailureCallback(
            email, password, false, Dictionary::object(),
            [&](const Dictionary& reply) {
                outcome.reply = reply;
                outcome.settingsAtSuccess = ZKDesignerHelper::sharedInstance()->settings();
                done = true;
            },
            [&](const ZKError& error) {
                outcome.error = error;
                done = true;
            });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return outcome;
    }
};

TEST_F(ZKDataManagerTest, LoginRecordsTheIdentityAndSavesTheDesignerSettingsOfItsPackageFirst)
{
    service.addAccount("ann@example.com", "secret",
                       {{"uid", "U1"}, {"email", "ann@example.com"}, {"firstName", "Ann"}, {"lastName", "Lee"}}, "PKG-A");
    service.setDesignerSettings("PKG-A", {{"label", {{"visibility", false}}}});
    service.addAccount("bob@example.com", "secret", {{"uid", "U2"}, {"email", "bob@example.com"}}, "PKG-B");
    service.setDesignerSettings("PKG-B", {{"checkbox", {{"visibility", false}}}});

    auto outcome = login("ann@example.com", "secret");
    ASSERT_TRUE(outcome.reply) << (outcome.error ? outcome.error->description() : "");
    EXPECT_EQ(ZKIdentity::sharedInstance()->uid(), "U1");
    EXPECT_EQ(ZKIdentity::sharedInstance()->lastName(), "Lee");
    EXPECT_EQ(outcome.settingsAtSuccess, Dictionary({{"label", {{"visibility", false}}}}));
    EXPECT_EQ(service.requests().back().path, "/api/packages/PKG-A/designer");

    // Another account's settings take effect at once.
    outcome = login("bob@example.com", "secret");
    ASSERT_TRUE(outcome.reply);
    EXPECT_EQ(ZKIdentity::sharedInstance()->uid(), "U2");
    EXPECT_FALSE(ZKIdentity::sharedInstance()->firstName());
    EXPECT_TRUE(ZKDesignerHelper::sharedInstance()->isVisibleWithType("label"));
    EXPECT_FALSE(ZKDesignerHelper::sharedInstance()->isVisibleWithType("checkbox"));
}

TEST_F(ZKDataManagerTest, ALoginWithoutUsableSettingsSavesNil)
{
    service.addAccount("ann@example.com", "secret", {{"email", "ann@example.com"}}, "PKG-A");
    service.addAccount("bob@example.com", "secret", {{"email", "bob@example.com"}});
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(Dictionary{{"label", {{"visibility", false}}}});

    // The package has no designer settings: the fetch fails.
    auto outcome = login("ann@example.com", "secret");
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.settingsAtSuccess);
    EXPECT_FALSE(platform::UserDefaults::standard().objectForKey(ZKDesignerHelper::kSettingsKey));

    // No package in the login reply: no fetch at all.
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(Dictionary{{"label", {{"visibility", false}}}});
    const auto before = service.requests().size();
    outcome = login("bob@example.com", "secret");
    ASSERT_TRUE(outcome.reply);
    EXPECT_FALSE(outcome.settingsAtSuccess);
    EXPECT_EQ(service.requests().size(), before + 1);
}

TEST_F(ZKDataManagerTest, FailedOrMalformedLoginsReachTheFailureCallbackOnly)
{
    ZKIdentity::sharedInstance()->recordUser({{"email", "earlier@example.com"}});
    auto outcome = login("ann@example.com", "wrong");
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->messageKey(), "error.login.invalidCredentials");
    EXPECT_EQ(ZKIdentity::sharedInstance()->email(), "earlier@example.com");

    for (const std::string body : {"{}", R"({"user": "ann"})", "[1]", "<html/>"}) {
        service.respondWith("POST", "/api/session", 200, body);
        outcome = login("ann@example.com", "secret");
        ASSERT_TRUE(outcome.error) << body;
        EXPECT_FALSE(outcome.reply) << body;
    }
    EXPECT_EQ(ZKIdentity::sharedInstance()->email(), "earlier@example.com");
}

TEST_F(ZKDataManagerTest, LoginPropertiesOfASessionInPlace)
{
    service.addAccount("ann@example.com", "secret", {{"uid", "U1"}, {"email", "ann@example.com"}}, "PKG-A");
    service.setDesignerSettings("PKG-A", {{"datepicker", {{"visibility", true}}}});
    ASSERT_TRUE(login("ann@example.com", "secret").reply);
    ZKIdentity::sharedInstance()->clear();
    ZKDesignerHelper::sharedInstance()->saveDesignerSettings(std::nullopt);

    bool done = false;
    ZKTransactionManager::sharedInstance()->dataManager()->handleLoginPropertiesWithSuccessCallback(
        [&](const Dictionary&) { done = true; });
    ASSERT_TRUE(waitFor([&] { return done; }));
    EXPECT_EQ(ZKIdentity::sharedInstance()->uid(), "U1");
    EXPECT_TRUE(ZKDesignerHelper::sharedInstance()->isVisibleWithType("datepicker"));

    // An expired session: nothing is recorded and the success callback never runs.
    ZKSession::sharedInstance()->setSessionId("expired");
    ZKIdentity::sharedInstance()->clear();
    done = false;
    const auto requests = service.requests().size();
    ZKTransactionManager::sharedInstance()->dataManager()->handleLoginPropertiesWithSuccessCallback(
        [&](const Dictionary&) { done = true; });
    ASSERT_TRUE(waitFor([&] { return service.requests().size() > requests; }));
    ASSERT_TRUE(finishBackgroundWork());
    EXPECT_FALSE(done);
    EXPECT_FALSE(ZKIdentity::sharedInstance()->uid());
}

TEST_F(ZKDataManagerTest, ADraftFromATemplateGetsIdentifiersAndFilesOfItsOwn)
{
    storeTransaction(localDraft("TPL"));
    std::optional<Dictionary> posted;
    const auto token = platform::NotificationCenter::defaultCenter().addObserver(
        ZKDataManager::kTemplateDraftNotification, [&](const platform::Notification& n) { posted = n.userInfo; });

    Dictionary result;
    ZKTransactionManager::sharedInstance()->dataManager()->createDraftFromCachedTemplateWithIDWithCallback(
        "tpl", [&](const Dictionary& r) { result = r; });
    platform::NotificationCenter::defaultCenter().removeObserver(token);

    ASSERT_TRUE(result.contains("data")) << result.dump();
    const auto guid = result["data"]["guid"].get<std::string>();
    EXPECT_NE(guid, "TPL");
    EXPECT_EQ(posted, Dictionary({{"guid", guid}}));

    const auto draft = ZKTransactionManager::sharedInstance()->transactionWithId(guid);
    ASSERT_TRUE(draft);
    EXPECT_TRUE(draft->draft());
    EXPECT_TRUE(draft->local());
    EXPECT_TRUE(draft->predefinedActions()->createOnServer());
    ASSERT_EQ(draft->participants().size(), 2u);
    const auto& elements = draft->documents().at(0)->elements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_NE(draft->participants()[0]->uid(), "TPL-P1");
    EXPECT_EQ(elements[0]->roles(), std::vector<std::string>{draft->participants()[0]->uid()});
    EXPECT_EQ(elements[1]->approval(), elements[0]->ident());
    EXPECT_EQ(elements[1]->content(), "12 Main St");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) /
                                        "lease.pdf"));

    const auto original = ZKTransactionManager::sharedInstance()->transactionWithId("TPL");
    ASSERT_TRUE(original);
    EXPECT_EQ(original->participants()[0]->uid(), "TPL-P1");
}

TEST_F(ZKDataManagerTest, DraftsFromATemplateOnTheServiceAndFromItsStoredCopyAreBothAnnounced)
{
    signIn();
    service.addPackage("TPL", {{"id", "TPL"},
                               {"name", "Lease"},
                               {"status", "TEMPLATE"},
                               {"roles", {{{"id", "R1"}, {"index", 0}, {"signer", {{"email", "ann@example.com"}}}}}},
                               {"documents",
                                {{{"id", "D1"},
                                  {"name", "Lease.pdf"},
                                  {"index", 0},
                                  {"fields", {{{"id", "F1"}, {"type", "SIGNATURE"}, {"roles", {"R1"}}, {"approval", "F1"}}}}}}}});
    service.setDocumentPdf("TPL", "D1", kPdf);
    std::vector<Dictionary> posted;
    const auto token = platform::NotificationCenter::defaultCenter().addObserver(
        ZKDataManager::kTemplateDraftNotification, [&](const platform::Notification& n) { posted.push_back(n.userInfo); });
    const auto makeDraft = [&](const std::function<void(const ZKDataManager::ResultCallback&)>& maker) {
        Dictionary result;
        maker([&](const Dictionary& r) { result = r; });
        EXPECT_TRUE(waitFor([&] { return !result.is_null(); }));
        return result;
    };

    const auto fromService = makeDraft([](const auto& callback) {
        ZKTransactionSynchronizer::createDraftFromTemplateWithGUIDWithCallback("TPL", callback);
    });
    ASSERT_TRUE(fromService.contains("data")) << fromService.dump();
    const auto guid = fromService["data"]["guid"].get<std::string>();
    EXPECT_NE(guid, "TPL");
    EXPECT_EQ((*service.package(guid))["status"], "DRAFT");
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0], Dictionary({{"guid", guid}}));
    const auto draft = ZKTransactionManager::sharedInstance()->transactionWithId(guid);
    ASSERT_TRUE(draft);
    EXPECT_TRUE(draft->draft());
    std::ifstream pdf(std::filesystem::path(ZKFileManager::folderPathForTransactionWithGUID(guid)) /
                      draft->documents().at(0)->fileName());
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(pdf), {}), kPdf);

    // The template fetched into the store, then a draft from the stored copy.
    bool fetched = false;
    ZKTransactionManager::sharedInstance()->dataManager()->retrieveTransactionWithIdWithSuccessCallbackAndErrorCallback(
        "TPL", [&](const auto&) { fetched = true; }, [](const ZKError&) {});
    ASSERT_TRUE(waitFor([&] { return fetched; }));
    const auto fromStore = makeDraft([](const auto& callback) {
        ZKTransactionManager::sharedInstance()->dataManager()->createDraftFromCachedTemplateWithIDWithCallback("TPL",
                                                                                                            callback);
    });
    ASSERT_TRUE(fromStore.contains("data")) << fromStore.dump();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_EQ(posted[1], Dictionary({{"guid", fromStore["data"]["guid"]}}));

    const auto missing = makeDraft([](const auto& callback) {
        ZKTransactionSynchronizer::createDraftFromTemplateWithGUIDWithCallback("MISSING", callback);
    });
    EXPECT_EQ(missing["error"]["code"], 404);
    EXPECT_EQ(posted.size(), 2u);
    platform::NotificationCenter::defaultCenter().removeObserver(token);
}

TEST_F(ZKDataManagerTest, NoDraftFromAnUnknownTemplate)
{
    bool posted = false;
    const auto token = platform::NotificationCenter::defaultCenter().addObserver(
        ZKDataManager::kTemplateDraftNotification, [&](const platform::Notification&) { posted = true; });
    Dictionary result;
    ZKTransactionManager::sharedInstance()->dataManager()->createDraftFromCachedTemplateWithIDWithCallback(
        "MISSING", [&](const Dictionary& r) { result = r; });
    platform::NotificationCenter::defaultCenter().removeObserver(token);
    EXPECT_EQ(result["error"]["code"], ZKError::notFound);
    EXPECT_FALSE(posted);
    EXPECT_TRUE(store().allTransactions().empty());
}

} // namespace
