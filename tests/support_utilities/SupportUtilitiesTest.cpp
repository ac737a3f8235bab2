#include "support/VeltraTest.h"

#include "foundation/Environment.h"
#include "foundation/RunLoop.h"
#include "foundation/UserDefaults.h"
#include "support/MainQueue.h"
#include "support/ZKColor.h"
#include "support/ZKLogger.h"
#include "support/ZKScreen.h"
#include "ui/Application.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/Window.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <thread>

using platform::graphics::Color;

namespace {

class SupportTest : public testing_support::VeltraTest {
protected:
    // A main bundle holding only the given "Colors.json".
    void useBundleWithColors(const std::string& json)
    {
        const auto bundle = home() / "Bundle";
        std::filesystem::create_directories(bundle);
        std::ofstream(bundle / "Colors.json") << json;
        platform::Environment::setResourceDirectory(bundle);
    }
};

class Palette : public ZKColorPaletteDelegate {
public:
    std::optional<Color> statusErrorColor() override { return Color::black(); }
};

class RecordingTarget : public ZKTrackerTarget {
public:
    bool respondsToLogScreenWithName() const override { return true; }
    void logScreenWithName(const std::string& name) override { reports.push_back("screen " + name); }
    bool respondsToLogEventWithActionForValue() const override { return true; }
    void logEventWithActionForValue(const std::string& action, const std::string& value) override
    {
        reports.push_back("event " + action + " " + value);
    }
    std::vector<std::string> reports;
};

} // namespace

TEST_F(SupportTest, ColoursComeFromThePaletteThenTheAssetsThenFixedValues)
{
    EXPECT_EQ(ZKColor::error().hexString(), "#F86B71");
    EXPECT_EQ(ZKColor::success().hexString(), "#5CC9B0");
    EXPECT_EQ(ZKColor::textLight().hexString(), "#666666");

    useBundleWithColors(R"({"vlt_errorColor": "#112233", "vlt_successColor": "not a colour", "vlt_textLightColor": 7})");
    EXPECT_EQ(ZKColor::error().hexString(), "#112233");
    EXPECT_EQ(ZKColor::success().hexString(), "#5CC9B0");
    EXPECT_EQ(ZKColor::textLight().hexString(), "#666666");

    auto palette = std::make_shared<Palette>();
    ZKColor::setPaletteDelegate(palette);
    EXPECT_EQ(ZKColor::error(), Color::black());
    EXPECT_EQ(ZKColor::success().hexString(), "#5CC9B0");
    palette.reset();
    EXPECT_EQ(ZKColor::error().hexString(), "#112233");
}

TEST_F(SupportTest, AnUnreadableColourTableGivesTheFixedValues)
{
    useBundleWithColors("{ broken");
    EXPECT_EQ(ZKColor::error().hexString(), "#F86B71");
}

TEST_F(SupportTest, TwentyDistinctSignerColoursRepeatInOrder)
{
    std::set<std::string> distinct;
    for (const auto& color : ZKColor::signerColors()) {
        distinct.insert(color.hexString());
    }
    EXPECT_EQ(distinct.size(), 20u);
    EXPECT_EQ(ZKColor::signerColorAtIndex(21), ZKColor::signerColorAtIndex(1));
    EXPECT_EQ(ZKColor::signerColorAtIndex(-3), ZKColor::signerColorAtIndex(0));
}

TEST_F(SupportTest, AccountOwnerEmailIsAnExactMatchWithTheSignedInUser)
{
    EXPECT_FALSE(ZKUtil::isAccountOwnerEmail(std::string("a@b.com")));
    platform::UserDefaults::standard().setString("Corvex_EM", "Dana@example.com");
    EXPECT_TRUE(ZKUtil::isAccountOwnerEmail(std::string("Dana@example.com")));
    EXPECT_FALSE(ZKUtil::isAccountOwnerEmail(std::string("dana@example.com")));
    EXPECT_FALSE(ZKUtil::isAccountOwnerEmail(std::nullopt));
}

TEST_F(SupportTest, TheLoggerWritesUpToItsThresholdAndDumpsRepliesWhateverTheThreshold)
{
    const auto saved = ZKLogger::threshold();
    ZKLogger::setThreshold(4);
    ZKLogger::logLevel("at the threshold", 4);
    ZKLogger::logLevel("past the threshold", 5);
    ZKLogger::setThreshold(0);
    ZKLogger::logResponse("https://sign.example.com/api/session", 500, "{}");
    ZKLogger::setThreshold(saved);

    const auto written = [this](const std::string& text) {
        return std::any_of(logLines().begin(), logLines().end(),
                           [&text](const std::string& line) { return line.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(written("INFO: [Log level: 4]\nat the threshold\n"));
    EXPECT_FALSE(written("past the threshold"));
    EXPECT_TRUE(written("RESPONSE: 500 https://sign.example.com/api/session"));
}

TEST_F(SupportTest, TheTrackerIsNilAndAHostTrackerGetsOnlyWhatItHandles)
{
    EXPECT_TRUE(ZKUtil::isRestrictedEnvironment());
    EXPECT_EQ(ZKTracker::sharedInstance(), nullptr);

    auto target = std::make_shared<RecordingTarget>();
    const ZKTracker tracker(target);
    tracker.logScreenWithName("Create Transaction");
    tracker.logEventWithAction("Add Signer");
    EXPECT_EQ(target->reports, (std::vector<std::string>{"screen Create Transaction", "event Add Signer Tap"}));

    const ZKTracker silent(std::make_shared<ZKTrackerTarget>());
    silent.logScreenWithName("ignored");
}

TEST_F(SupportTest, MainQueueBlocksRunAtOnceOnMainAndWaitFromOtherThreads)
{
    std::vector<std::string> order;
    runOnMainQueueWithoutDeadlocking2([&] { order.push_back("main"); });
    EXPECT_EQ(order, std::vector<std::string>{"main"});

    std::atomic<bool> finished = false;
    bool ranOnMain = false;
    std::thread worker([&] {
        runOnMainQueueWithoutDeadlocking2([&] { ranOnMain = platform::RunLoop::main().isMainThread(); });
        finished = true;
    });
    EXPECT_TRUE(waitFor([&] { return finished.load(); }));
    worker.join();
    EXPECT_TRUE(ranOnMain);
}

TEST_F(SupportTest, NotchedDevicesAreToldBySafeAreaOfTheKeyWindow)
{
    EXPECT_FALSE(ZKUtil::isiPhoneX());
    auto window = std::make_shared<platform::ui::Window>();
    window->makeKeyAndVisible();
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
    EXPECT_FALSE(ZKUtil::isiPhoneX());
    platform::ui::Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phoneWithNotch);
    EXPECT_TRUE(ZKUtil::isiPhoneX());
    platform::ui::Screen::main().setOrientation(platform::ui::InterfaceOrientation::landscapeRight);
    EXPECT_TRUE(ZKUtil::isiPhoneX());
}

TEST_F(SupportTest, ScreenAnswersFollowOrientationAndKeyboard)
{
    auto window = std::make_shared<platform::ui::Window>();
    window->makeKeyAndVisible();
    auto& screen = platform::ui::Screen::main();
    EXPECT_FALSE(ZKScreen::isInLanscapeOrientation());
    const auto portrait = ZKScreen::screenFrame();
    EXPECT_EQ(portrait.minY(), screen.safeAreaInsets().top + 56);
    EXPECT_EQ(portrait.maxY(), screen.bounds().height());
    EXPECT_EQ(portrait.width(), screen.bounds().width());

    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeLeft);
    EXPECT_TRUE(ZKScreen::isInLanscapeOrientation());
    EXPECT_FALSE(ZKScreen::isInLanscapeOrientationRight());
    screen.setOrientation(platform::ui::InterfaceOrientation::landscapeRight);
    EXPECT_TRUE(ZKScreen::isInLanscapeOrientationRight());
    EXPECT_EQ(ZKScreen::screenFrame().width(), screen.bounds().width());

    platform::Notification notification{platform::ui::KeyboardNotifications::didShow, nullptr,
                                        {{platform::ui::KeyboardNotifications::frameEndKey,
                                          {{"x", 0}, {"y", 400}, {"width", 320}, {"height", 216}}}}};
    EXPECT_EQ(ZKScreen::keyboardHeightFromNotification(notification), 216);
    EXPECT_EQ(ZKScreen::keyboardHeightFromNotification({"other", nullptr, Dictionary::object()}), 0);
}
