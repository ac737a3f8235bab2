#include "service/ZKWebFetcher.h"

#include "fakes/FakeServiceTest.h"
#include "service/ZKEndpoints.h"
#include "service/ZKWebPoster.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

namespace {

class ZKWebFetcherTest : public fakes::FakeServiceTest {
protected:
    void SetUp() override
    {
        FakeServiceTest::SetUp();
        signIn();
    }

    std::optional<Dictionary> fieldSettings(const std::string& id)
    {
        bool done = false;
        std::optional<Dictionary> result;
        ZKWebFetcher::fieldSettingsWithTransactionIdCallback(id, [&](const std::optional<Dictionary>& settings) {
            result = settings;
            done = true;
        });
        EXPECT_TRUE(waitFor([&] { return done; }));
        return result;
    }

    // Groups arrive on the network's thread: the test thread waits for them without the loop.
    Dictionary groups(bool* onMainThread = nullptr)
    {
        std::mutex mutex;
        std::condition_variable arrived;
        std::optional<Dictionary> result;
        bool main = true;
        ZKWebFetcher::groupsWithCallback([&](const Dictionary& reply) {
            std::lock_guard lock(mutex);
            main = platform::RunLoop::main().isMainThread();
            result = reply;
            arrived.notify_all();
        });
        std::unique_lock lock(mutex);
        const std::chrono::duration<double> patience(testing_support::kWorkWaitSeconds);
        EXPECT_TRUE(arrived.wait_for(lock, patience, [&] { return result.has_value(); }));
        if (onMainThread) {
            *onMainThread = main;
        }
        return result.value_or(Dictionary());
    }
};

TEST_F(ZKWebFetcherTest, FieldSettingsOfAPackage)
{
    const Dictionary settings{{"datepicker", {{"visibility", true}}}};
    service.setDesignerSettings("PKG-1", settings);
    EXPECT_EQ(fieldSettings("PKG-1"), settings);
    EXPECT_EQ(service.requests().back().path, "/api/packages/PKG-1/designer");

    EXPECT_FALSE(fieldSettings("UNKNOWN")) << "a failed request gives nil";

    service.respondWith("GET", "/api/packages/PKG-1/designer", 200, R"({"other": 1})");
    EXPECT_FALSE(fieldSettings("PKG-1"));
    service.respondWith("GET", "/api/packages/PKG-1/designer", 200, R"([{"fieldSettings": 1}])");
    EXPECT_FALSE(fieldSettings("PKG-1"));
    service.respondWith("GET", "/api/packages/PKG-1/designer", 200, "fieldSettings");
    EXPECT_FALSE(fieldSettings("PKG-1"));
}

TEST_F(ZKWebFetcherTest, AnEmptyPackageIdAnswersNilAtOnceWithoutARequest)
{
    bool called = false;
    ZKWebFetcher::fieldSettingsWithTransactionIdCallback("", [&](const std::optional<Dictionary>& settings) {
        called = true;
        EXPECT_FALSE(settings);
    });
    EXPECT_TRUE(called);
    EXPECT_EQ(service.requests().size(), 1u) << "only the login";
}

TEST_F(ZKWebFetcherTest, PackageIdsNeverLeaveTheirPathSegment)
{
    fieldSettings("../groups?x=1");
    // The service decodes the path it receives: the id arrives whole, inside its segment.
    EXPECT_EQ(service.requests().back().path, "/api/packages/../groups?x=1/designer");
    EXPECT_TRUE(service.requestsTo("GET", "/api/groups").empty());
}

TEST_F(ZKWebFetcherTest, GroupsAreTheFirst999ByNameOnTheNetworkThread)
{
    auto all = Dictionary::array();
    for (int i = 1000; i >= 1; --i) {
        const auto name = "Group " + std::to_string(10000 + i);
        auto members = Dictionary::array({Dictionary{{"email", "ann@example.com"}}, Dictionary{{"mail", "x"}}, 5});
        all.push_back({{"id", i}, {"name", name}, {"email", "g" + std::to_string(i) + "@example.com"},
                       {"members", members}});
    }
    service.setGroups(all);

    bool onMainThread = true;
    const auto result = groups(&onMainThread);
    EXPECT_FALSE(onMainThread);
    EXPECT_EQ(service.requests().back().query, "limit=999&offset=0&sort=name");
    ASSERT_EQ(result["results"].size(), 999u);
    EXPECT_EQ(result["count"], 1000);
    EXPECT_EQ(result["results"][0], Dictionary({{"id", "1"},
                                                {"name", "Group 10001"},
                                                {"email", "g1@example.com"},
                                                {"members", {{{"email", "ann@example.com"}}}}}));
    EXPECT_EQ(result["results"][998]["name"], "Group 10999");
}

TEST_F(ZKWebFetcherTest, GroupFailuresAndWrongShapesGiveAnErrorResult)
{
    const std::vector<std::pair<int, std::string>> replies{
        {500, R"({"messageKey":"error.internal","message":"Down"})"},
        {200, "not json"},
        {200, R"({"count": 1})"},
        {200, R"({"count": 1, "results": {"id": "1"}})"},
        {200, R"({"count": 2, "results": [{"id": "1"}, "group"]})"},
        {200, R"([])"},
    };
    for (const auto& [status, body] : replies) {
        service.respondWith("GET", "/api/groups", status, body);
        const auto result = groups();
        ASSERT_TRUE(result.contains("error")) << body;
        EXPECT_FALSE(result.contains("results")) << body;
        EXPECT_TRUE(result["error"]["code"].is_number()) << body;
    }

    service.respondWith("GET", "/api/groups", 200, R"({"count": "many", "results": [{"name": 3}]})");
    const auto loose = groups();
    EXPECT_EQ(loose, Dictionary({{"count", 1},
                                 {"results", {{{"id", ""}, {"name", "3"}, {"email", ""}, {"members", Dictionary::array()}}}}}));
}

} // namespace
