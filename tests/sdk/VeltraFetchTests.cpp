#include "SdkTest.h"

#include "sdk/facade/Veltra.h"
#include "service/ZKIdentity.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kGuid = "PKG-9";

Dictionary package()
{
    return {{"id", kGuid},
            {"name", "Loan"},
            {"status", "DRAFT"},
            {"roles", {{{"id", "R-1"}, {"signer", {{"email", "bob@example.com"}}}}}},
            {"documents", {{{"id", "D-1"}, {"name", "Loan"}}}}};
}

} // namespace

class VeltraFetchTest : public sdk_test::SdkTest {
protected:
    void SetUp() override
    {
        SdkTest::SetUp();
        facade = Veltra::dashboard();
        facade->setServerAddress(service.address());
        service.addAccount("sam@example.com", "secret", {{"email", "sam@example.com"}});
        service.addPackage(kGuid, package());
        service.setDocumentPdf(kGuid, "D-1", "%PDF-1.4 loan");
        ASSERT_TRUE(call([&](const auto& callback) {
                        facade->loginWithEmailPasswordAndCallback("sam@example.com", "secret", callback);
                    }).contains("data"));
    }

    Dictionary call(const std::function<void(const Veltra::Callback&)>& operation)
    {
        std::optional<Dictionary> reply;
        operation([&](const Dictionary& got) { reply = got; });
        EXPECT_TRUE(waitFor([&] { return reply.has_value(); }));
        return reply.value_or(Dictionary());
    }

    std::size_t packageFetches() const
    {
        return service.requestsTo("GET", std::string("/api/packages/") + kGuid).size();
    }

    std::shared_ptr<Veltra> facade;
};

TEST_F(VeltraFetchTest, PrefetchStoresATransactionTheDeviceDoesNotHold)
{
    const auto reply = call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(kGuid, callback); });
    EXPECT_EQ(reply, Dictionary({{"data", {{"guid", kGuid}, {"title", "Loan"}, {"postingStatus", "draft"}}}}));

    const auto again = call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(kGuid, callback); });
    EXPECT_EQ(again, reply);
    EXPECT_EQ(packageFetches(), 1u) << "the stored transaction is answered without asking the service";
}

TEST_F(VeltraFetchTest, CachedReadFetchesOnceThenAnswersFromTheStoreAtOnce)
{
    const auto fetched = call([&](const auto& callback) { facade->transactionWithGUIDCachedWithCallback(kGuid, true, callback); });
    ASSERT_TRUE(fetched.contains("data")) << fetched.dump();
    EXPECT_EQ(fetched["data"]["title"], "Loan");
    EXPECT_EQ(fetched["data"]["participants"][0]["email"], "bob@example.com");

    std::optional<Dictionary> cached;
    facade->transactionWithGUIDCachedWithCallback(kGuid, true, [&](const Dictionary& got) { cached = got; });
    ASSERT_TRUE(cached) << "answered at once";
    EXPECT_EQ(*cached, fetched["data"]) << "no data wrapper";
    EXPECT_EQ(packageFetches(), 1u);
}

TEST_F(VeltraFetchTest, FetchFailuresReachTheCallerAsErrors)
{
    service.setDocumentPdf(kGuid, "D-1", "not a pdf");
    const auto prefetched =
        call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(kGuid, callback); });
    EXPECT_TRUE(prefetched.contains("error")) << prefetched.dump();
    const auto read = call([&](const auto& callback) { facade->transactionWithGUIDCachedWithCallback("nope", true, callback); });
    ASSERT_TRUE(read.contains("error")) << read.dump();
    EXPECT_EQ(read["error"]["messageKey"], "error.package.notFound");
    EXPECT_TRUE(storedFiles().empty());
}

TEST_F(VeltraFetchTest, SignOutEndsTheSessionOnTheService)
{
    const auto out = call([&](const auto& callback) { facade->logoutWithCallback(callback); });
    EXPECT_TRUE(out.contains("data")) << out.dump();
    EXPECT_FALSE(ZKIdentity::sharedInstance()->email());
    const auto after = call([&](const auto& callback) { facade->preFetchTransactionWithGUIDAndCallback(kGuid, callback); });
    ASSERT_TRUE(after.contains("error"));
    EXPECT_EQ(after["error"]["messageKey"], "error.session.expired") << "the old session no longer opens packages";
}
