#include "foundation/UserDefaults.h"

#include "foundation/AtomicFile.h"
#include "foundation/Environment.h"
#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"

#include "support/VeltraTest.h"

#include <fstream>
#include <sstream>
#include <thread>

using platform::AtomicFile;
using platform::UserDefaults;

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path writeFile(const std::filesystem::path& path, const std::string& content)
{
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

} // namespace

class UserDefaultsTest : public testing_support::VeltraTest {};

TEST_F(UserDefaultsTest, ValuesSurviveAFreshInstanceAndRemovalPersists)
{
    auto& defaults = UserDefaults::standard();
    defaults.setString("Corvex_EM", "ann@example.com");
    defaults.setBool("flag", true);
    defaults.setInteger("count", 7);
    defaults.setObject("settings", {{"a", {1, 2}}});
    defaults.removeObjectForKey("count");

    platform::SharedInstances::resetAll();
    auto& reopened = UserDefaults::standard();
    EXPECT_EQ(reopened.stringForKey("Corvex_EM"), "ann@example.com");
    EXPECT_TRUE(reopened.boolForKey("flag"));
    EXPECT_EQ(reopened.integerForKey("count"), 0);
    EXPECT_FALSE(reopened.objectForKey("count").has_value());
    EXPECT_EQ(reopened.objectForKey("settings")->at("a").at(1), 2);
    EXPECT_FALSE(reopened.stringForKey("flag").has_value());
}

TEST_F(UserDefaultsTest, ACorruptFileIsReportedOnceTreatedAsEmptyAndKeptUntilTheNextWrite)
{
    const auto file = platform::Environment::preferencesDirectory() / "UserDefaults.json";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "{ not json";

    auto& defaults = UserDefaults::standard();
    EXPECT_FALSE(defaults.objectForKey("anything").has_value());
    EXPECT_TRUE(defaults.synchronize());
    EXPECT_EQ(readFile(file), "{ not json");
    const auto reports = std::count_if(logLines().begin(), logLines().end(),
                                       [](const std::string& line) { return line.find("unreadable") != std::string::npos; });
    EXPECT_EQ(reports, 1);

    defaults.setString("k", "v");
    EXPECT_NE(readFile(file).find("\"k\""), std::string::npos);
}

TEST_F(UserDefaultsTest, InvalidUtf8IsStoredWithoutThrowing)
{
    UserDefaults defaults(home() / "d.json");
    EXPECT_NO_THROW(defaults.setString("bad", std::string("a\xff" "b")));
    EXPECT_TRUE(defaults.synchronize());
}

TEST_F(UserDefaultsTest, EachRealChangeIsPostedOnceItIsWritten)
{
    auto& defaults = UserDefaults::standard();
    defaults.setString("stale", "x");
    std::vector<std::string> posted;
    const auto token = platform::NotificationCenter::defaultCenter().addObserver(
        UserDefaults::kDidChangeNotification, [&](const platform::Notification& notification) {
            // Observers may read the defaults again, and the file already holds the change.
            EXPECT_EQ(UserDefaults(defaults.file()).objectForKey("email"), UserDefaults::standard().objectForKey("email"));
            posted.push_back(notification.userInfo["key"].get<std::string>());
        });
    const auto before = std::filesystem::last_write_time(defaults.file());
    defaults.setObjectsForKeys({{"email", Dictionary("ann@example.com")}, {"stale", std::nullopt}, {"absent", std::nullopt}});
    defaults.removeObjectForKey("absent");
    platform::NotificationCenter::defaultCenter().removeObserver(token);

    EXPECT_EQ(posted, (std::vector<std::string>{"email", "stale"}));
    EXPECT_NE(std::filesystem::last_write_time(defaults.file()), before);
    EXPECT_NE(readFile(defaults.file()).find("ann@example.com"), std::string::npos);
    EXPECT_EQ(readFile(defaults.file()).find("stale"), std::string::npos);
}

TEST_F(UserDefaultsTest, OpeningRemovesWhatAKilledWriteLeftAndNothingElse)
{
    const auto folder = platform::Environment::preferencesDirectory();
    const auto file = folder / "UserDefaults.json";
    UserDefaults::standard().setString("Corvex_EM", "ann@example.com");
    platform::SharedInstances::resetAll();
    // A write killed before its rename leaves part of the next content beside the file.
    const auto leftover = writeFile(AtomicFile::temporaryPathFor(file, AtomicFile::TemporaryName::ofTarget), "{\"Corv");
    const std::vector<std::filesystem::path> unrelated{
        writeFile(folder / "VeltCoreDB.sqlite", "store"),
        writeFile(folder / "VeltCoreDB.sqlite-wal", "log"),
        writeFile(folder / "VeltCoreDB.sqlite-journal", "journal"),
        writeFile(AtomicFile::temporaryPathFor(file), "another writer's"),
        writeFile(AtomicFile::temporaryPathFor(folder / "Other.json", AtomicFile::TemporaryName::ofTarget), "{}"),
        writeFile(folder / ".UserDefaults.json.tmp", "{}"),
        writeFile(folder / ".UserDefaults.json.not-a-uuid-at-all-but-as-long-as-one.tmp", "{}"),
    };

    EXPECT_EQ(UserDefaults::standard().stringForKey("Corvex_EM"), "ann@example.com");
    EXPECT_FALSE(std::filesystem::exists(leftover));
    for (const auto& path : unrelated) {
        EXPECT_TRUE(std::filesystem::exists(path)) << path;
    }
}

TEST_F(UserDefaultsTest, OpeningTheFileAgainNeverTakesTheTemporaryFileOfAWriteUnderWay)
{
    auto& defaults = UserDefaults::standard();
    std::atomic<bool> writing = true;
    std::thread writer([&] {
        for (int count = 0; count < 400; ++count) {
            defaults.setInteger("count", count);
        }
        writing = false;
    });
    while (writing) {
        UserDefaults(defaults.file());
    }
    writer.join();
    EXPECT_EQ(UserDefaults(defaults.file()).integerForKey("count"), 399);
    EXPECT_TRUE(std::none_of(logLines().begin(), logLines().end(),
                             [](const std::string& line) { return line.find("could not be written") != std::string::npos; }));
}
