#include "DataManagerTest.h"

#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/SharedInstances.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKPredefinedActions.h"
#include "service/ZKIdentity.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// How a child host ended: the signal that ended it, or its exit code.
struct Ending {
    int signal = 0;
    int exitCode = -1;
};

// Launches the sync host (tests/synchost) as a child process in the test's home, as the
// host application would be launched, killed, and launched again.
class CrashRecoveryTest : public DataManagerTest {
protected:
    pid_t spawnHost(const std::vector<std::string>& arguments) const
    {
        std::vector<std::string> words{VELTRA_SYNC_HOST};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (auto& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        EXPECT_EQ(posix_spawn(&child, VELTRA_SYNC_HOST, nullptr, nullptr, argv.data(), environ), 0);
        return child;
    }

    static Ending endingOf(pid_t child)
    {
        int status = 0;
        if (waitpid(child, &status, 0) != child) {
            return {};
        }
        return WIFSIGNALED(status) ? Ending{WTERMSIG(status), -1} : Ending{0, WEXITSTATUS(status)};
    }

    Ending runHost(const std::vector<std::string>& arguments) const { return endingOf(spawnHost(arguments)); }

    // Waits on the real clock until a child has got so far; only a safety net bounds it.
    template <class Reached>
    static void waitForChild(Reached reached)
    {
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::duration<double>(testing_support::kWorkWaitSeconds);
        while (!reached() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    // The store and every shared instance are let go, as when this process ends, so the
    // child can open the store.
    static void letGoOfTheSdk() { platform::SharedInstances::resetAll(); }

    static fs::path preferences() { return platform::Environment::preferencesDirectory(); }

    // Paths below Library/Preferences, relative to it, that `keep` selects.
    template <class Keep>
    static std::set<std::string> filesBelowPreferences(Keep keep)
    {
        std::set<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(preferences())) {
            if (keep(entry.path())) {
                found.insert(fs::relative(entry.path(), preferences()).string());
            }
        }
        return found;
    }

    static std::set<std::string> pdfs()
    {
        return filesBelowPreferences([](const fs::path& path) { return path.extension() == ".pdf"; });
    }

    static std::set<std::string> temporaryFiles()
    {
        return filesBelowPreferences([defaults = preferences() / "UserDefaults.json"](const fs::path& path) {
            return platform::AtomicFile::isTemporaryPath(path) || platform::AtomicFile::isTemporaryPathOf(path, defaults);
        });
    }
};

TEST_F(CrashRecoveryTest, AHostThatReturnsFromMainEndsCleanlyWithItsDraftStored)
{
    const auto ending = runHost({"launch", home().string()});
    EXPECT_EQ(ending.signal, 0);
    EXPECT_EQ(ending.exitCode, 0);
    EXPECT_TRUE(ZKCoreDataManager::openDefault().manager->transactionWithGuid("HOST-DRAFT"));
}

TEST_F(CrashRecoveryTest, AnIdentityBeingRecordedWhenTheProcessIsKilledIsOneUserWhole)
{
    const auto defaults = preferences() / "UserDefaults.json";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> microseconds(0, 2000);
    for (int kill = 0; kill < 30; ++kill) {
        std::error_code none;
        const auto before = fs::last_write_time(defaults, none);
        const auto child = spawnHost({"identities", home().string()});
        // Killed only once it is writing.
        waitForChild([&] { return fs::last_write_time(defaults, none) != before; });
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(endingOf(child).signal, SIGKILL);

        letGoOfTheSdk();
        const auto identity = ZKIdentity::sharedInstance();
        ASSERT_TRUE(identity->email()) << "kill " << kill;
        const bool ann = identity->email() == "ann@example.com";
        EXPECT_EQ(identity->uid(), ann ? "U1" : "U2") << "kill " << kill;
        EXPECT_EQ(identity->firstName(), ann ? "Ann" : "Bob") << "kill " << kill;
        EXPECT_EQ(identity->lastName(), ann ? "Lee" : "Roe") << "kill " << kill;
        EXPECT_EQ(identity->title(), ann ? "CFO" : "CEO") << "kill " << kill;
        EXPECT_EQ(identity->company(), ann ? "Lee & Co" : "Roe Ltd") << "kill " << kill;
        EXPECT_TRUE(temporaryFiles().empty()) << "kill " << kill << ": opening the defaults clears what the write left";
    }
    // The next start of the SDK clears what interrupted writes left.
    ZKTransactionManager::sharedInstance();
    EXPECT_TRUE(temporaryFiles().empty());
    EXPECT_TRUE(fs::exists(defaults));
}

TEST_F(CrashRecoveryTest, AFieldBeingPlacedWhenTheProcessIsKilledIsLostAloneAndTheStoreStaysWhole)
{
    storeTransaction(localDraft("HOST-DRAFT"));
    letGoOfTheSdk();
    const auto logSize = [log = preferences() / "VeltCoreDB.sqlite-wal"] {
        std::error_code absent;
        const auto size = fs::file_size(log, absent);
        return absent ? 0 : size;
    };
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> microseconds(0, 3000);
    double placed = 2; // the draft's own two fields lie at y = 0
    for (int kill = 0; kill < 20; ++kill) {
        const auto child = spawnHost({"place", home().string()});
        // Killed only once it is placing: the log of each launch starts empty and grows
        // by a few pages a field.
        waitForChild([&] { return logSize() >= 64 * 1024; });
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(child, SIGKILL);
        ASSERT_EQ(endingOf(child).signal, SIGKILL);

        const auto opened = ZKCoreDataManager::openDefault();
        ASSERT_TRUE(opened.manager) << "kill " << kill;
        EXPECT_FALSE(opened.error) << "kill " << kill;
        const auto draft = opened.manager->transactionWithGuid("HOST-DRAFT");
        ASSERT_TRUE(draft) << "kill " << kill;
        std::vector<double> placedAt;
        for (const auto& element : draft->documents()[0]->elements()) {
            if (element->frame().minY() > 0) {
                EXPECT_EQ(element->type(), "TextBox");
                EXPECT_EQ(element->roles(), std::vector<std::string>{"P1"});
                placedAt.push_back(element->frame().minY());
            }
        }
        std::sort(placedAt.begin(), placedAt.end());
        // Every field placed before the kill is there, once, and each later one is gone.
        ASSERT_GE(placedAt.size() + 2, static_cast<std::size_t>(placed)) << "kill " << kill;
        for (std::size_t index = 0; index < placedAt.size(); ++index) {
            ASSERT_EQ(placedAt[index], static_cast<double>(index + 2)) << "kill " << kill;
        }
        placed = static_cast<double>(placedAt.size() + 2);
    }
    EXPECT_GT(placed, 2);
}

class SynchronizationCrashTest : public CrashRecoveryTest, public testing::WithParamInterface<const char*> {};

TEST_P(SynchronizationCrashTest, TheRelaunchFinishesTheDraftOnceWithItsPdfAndLeavesNothingBehind)
{
    service.addAccount("ann@example.com", "secret", {{"email", "ann@example.com"}});
    storeTransaction(localDraft("LOCAL"));
    letGoOfTheSdk();

    EXPECT_EQ(runHost({"synchronize", home().string(), service.address(), GetParam()}).signal, SIGKILL);
    const auto relaunch = runHost({"synchronize", home().string(), service.address(), "none"});
    EXPECT_EQ(relaunch.signal, 0);
    EXPECT_EQ(relaunch.exitCode, 0);

    EXPECT_EQ(service.packageCount(), 1u) << "the draft is created on the service once";
    for (const auto& request : service.requestsTo("POST", "/api/packages")) {
        EXPECT_EQ(request.header("Idempotency-Key"), "LOCAL");
    }
    const auto stored = ZKCoreDataManager::openDefault().manager;
    ASSERT_TRUE(stored);
    const auto transactions = stored->allTransactions();
    ASSERT_EQ(transactions.size(), 1u);
    const auto& draft = *transactions[0];
    EXPECT_TRUE(service.package(draft.guid()));
    EXPECT_FALSE(draft.local());
    EXPECT_FALSE(draft.predefinedActionsIfAny()->createOnServer());
    EXPECT_EQ(pdfs(), std::set<std::string>{draft.guid() + "/lease.pdf"});
    std::ifstream pdf(preferences() / draft.guid() / "lease.pdf", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(pdf), {}), kPdf);
    EXPECT_FALSE(fs::exists(preferences() / "LOCAL"));
    EXPECT_TRUE(temporaryFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(KilledAt, SynchronizationCrashTest, testing::Values("created", "linked", "saved"));

} // namespace
