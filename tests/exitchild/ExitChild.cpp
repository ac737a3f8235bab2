#include "fakes/FakeSigningService.h"
#include "foundation/Environment.h"
#include "service/ZKIdentity.h"
#include "service/ZKServerSettings.h"
#include "service/ZKWebFetcher.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

constexpr int kNoAnswer = 3;
constexpr int kNoRequest = 4;

// Reached from the exit handler, after the statics made during main are gone: not statics
// with destructors themselves.
std::atomic<bool> g_answered{false};
fakes::FakeSigningService* g_service = nullptr;

// Only a safety net: a sanitizer on a busy machine may take many times the usual.
template <class Condition>
bool waitUntil(Condition condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Registered before anything else, so it runs after every other exit step of what main
// set up: only now does the service answer, and the request's completion runs while the
// process is being torn down.
void answerDuringTearDown()
{
    g_service->stop();
    if (!waitUntil([] { return g_answered.load(); })) {
        std::_Exit(kNoAnswer);
    }
}

} // namespace

// The home folder comes from the test, so that runs side by side never share one.
int main(int argc, char** argv)
{
    if (argc != 2) {
        return kNoRequest;
    }
    std::atexit(answerDuringTearDown);
    platform::Environment::setHomeDirectory(argv[1]);
    g_service = new fakes::FakeSigningService();
    if (!g_service->start()) {
        return kNoRequest;
    }
    g_service->delay("GET", "/api/groups", 60);
    ZKServerSettings::sharedInstance()->setServerAddress(g_service->address());
    ZKWebFetcher::groupsWithCallback([](const Dictionary&) {
        // What a completion typically reads: the signed-in user, from the stored defaults.
        ZKIdentity::sharedInstance()->email();
        g_answered = true;
    });
    if (!waitUntil([] { return !g_service->requestsTo("GET", "/api/groups").empty(); })) {
        return kNoRequest;
    }
    return 0;
}
