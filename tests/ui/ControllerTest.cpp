#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/AlertController.h"
#include "ui/Button.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::RunLoop;

namespace {

std::vector<std::string>& journal()
{
    static std::vector<std::string> entries;
    return entries;
}

// A scene that writes its life cycle into the journal under its name.
class Scene : public ViewController {
public:
    explicit Scene(std::string name) : name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    std::string received;
    int layouts = 0;
    OrientationMask orientations = OrientationMask::allButUpsideDown;

    void viewDidLoad() override { journal().push_back(name_ + ".didLoad"); }
    void viewWillAppear(bool) override { journal().push_back(name_ + ".willAppear"); }
    void viewDidAppear(bool) override { journal().push_back(name_ + ".didAppear"); }
    void viewWillDisappear(bool) override { journal().push_back(name_ + ".willDisappear"); }
    void viewDidDisappear(bool) override { journal().push_back(name_ + ".didDisappear"); }
    void viewDidLayoutSubviews() override { ++layouts; }
    OrientationMask supportedInterfaceOrientations() const override { return orientations; }
    void prepareForSegue(StoryboardSegue& segue, const std::shared_ptr<void>&) override
    {
        journal().push_back(name_ + ".prepare:" + segue.identifier());
        auto destination = std::dynamic_pointer_cast<Scene>(segue.destination());
        if (const auto navigation = std::dynamic_pointer_cast<NavigationController>(segue.destination())) {
            destination = std::dynamic_pointer_cast<Scene>(navigation->topViewController());
        }
        if (destination && segue.kind() != SegueKind::unwind) {
            destination->received = "from " + name_;
            journal().push_back(destination->name() + " isLoaded=" + std::to_string(destination->isViewLoaded()));
        }
    }

private:
    std::string name_;
};

const StoryboardRegistration flows("Flows", [](Storyboard& storyboard) {
    storyboard.addScene("Main", [] { return std::make_shared<Scene>("Main"); });
    storyboard.addScene("Detail", [] { return std::make_shared<Scene>("Detail"); });
    storyboard.addScene("Sheet", [] { return std::make_shared<Scene>("Sheet"); });
    storyboard.addScene("SheetNavigation", [&storyboard] {
        return std::make_shared<NavigationController>(storyboard.instantiateViewController("Sheet"));
    });
    storyboard.addSegue("Main", "toDetail", SegueKind::show, "Detail");
    storyboard.addSegue("Detail", "toSheet", SegueKind::presentModally, "SheetNavigation");
    storyboard.addUnwindSegue("Sheet", "backToMain", "unwindToMain");
    storyboard.addUnwindSegue("Sheet", "backToNowhere", "unwindToNowhere");
});

class ControllerTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        journal().clear();
        storyboard = Storyboard::named("Flows");
        main = std::dynamic_pointer_cast<Scene>(storyboard->instantiateViewController("Main"));
        navigation = std::make_shared<NavigationController>(main);
        window = std::make_shared<Window>();
        window->setRootViewController(navigation);
        window->makeKeyAndVisible();
    }

    std::shared_ptr<Storyboard> storyboard;
    std::shared_ptr<Scene> main;
    std::shared_ptr<NavigationController> navigation;
    std::shared_ptr<Window> window;
};

} // namespace

TEST_F(ControllerTest, ViewsAppearWithTheirWindowAndAShowSeguePreparesTheDestinationBeforeLoadingIt)
{
    EXPECT_EQ(journal(), (std::vector<std::string>{"Main.didLoad", "Main.willAppear", "Main.didAppear"}));
    EXPECT_EQ(main->view()->window(), window);

    journal().clear();
    ASSERT_TRUE(main->performSegue("toDetail", nullptr));
    EXPECT_EQ(journal()[0], "Main.prepare:toDetail");
    EXPECT_EQ(journal()[1], "Detail isLoaded=0");
    auto detail = std::dynamic_pointer_cast<Scene>(navigation->topViewController());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->received, "from Main");
    EXPECT_FALSE(detail->isVisible());
    RunLoop::main().advance(ViewController::transitionDuration);
    EXPECT_TRUE(detail->isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(journal().back(), "Detail.didAppear");
    EXPECT_FALSE(main->performSegue("noSuchSegue", nullptr));
}

TEST_F(ControllerTest, UnwindWalksBackToTheHandlerThroughPresentationAndStack)
{
    main->performSegue("toDetail", nullptr);
    RunLoop::main().advance(1);
    auto detail = std::dynamic_pointer_cast<Scene>(navigation->topViewController());
    detail->performSegue("toSheet", nullptr);
    RunLoop::main().advance(1);
    auto sheetNavigation = std::dynamic_pointer_cast<NavigationController>(detail->presentedViewController());
    ASSERT_NE(sheetNavigation, nullptr);
    auto sheet = std::dynamic_pointer_cast<Scene>(sheetNavigation->topViewController());
    EXPECT_EQ(sheet->received, "from Detail");

    std::string unwoundFrom;
    main->registerUnwindAction("unwindToMain", [&](StoryboardSegue& segue) {
        unwoundFrom = std::dynamic_pointer_cast<Scene>(segue.source())->name();
        journal().push_back("Main.unwind");
    });
    journal().clear();
    EXPECT_FALSE(sheet->performSegue("backToNowhere", nullptr));
    ASSERT_TRUE(sheet->performSegue("backToMain", nullptr));
    EXPECT_EQ(journal()[0], "Sheet.prepare:backToMain");
    EXPECT_EQ(journal()[1], "Main.unwind");
    EXPECT_EQ(unwoundFrom, "Sheet");
    RunLoop::main().advance(1);
    EXPECT_EQ(detail->presentedViewController(), nullptr);
    EXPECT_EQ(navigation->topViewController(), main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(sheet->view()->window(), nullptr);
}

TEST_F(ControllerTest, PresentAndDismissRunCompletionsAfterTheTransition)
{
    auto modal = std::make_shared<Scene>("Modal");
    bool presented = false;
    main->present(modal, true, [&] { presented = true; });
    EXPECT_EQ(main->presentedViewController(), modal);
    EXPECT_FALSE(presented);
    RunLoop::main().advance(ViewController::transitionDuration);
    EXPECT_TRUE(presented);
    EXPECT_TRUE(modal->isVisible());
    EXPECT_FALSE(navigation->isVisible());

    auto second = std::make_shared<Scene>("Second");
    main->present(second, false);
    EXPECT_EQ(main->presentedViewController(), modal);

    bool dismissed = false;
    modal->dismiss(false, [&] { dismissed = true; });
    EXPECT_TRUE(dismissed);
    EXPECT_EQ(main->presentedViewController(), nullptr);
    EXPECT_TRUE(main->isVisible());

    // Covered in its stack, a controller presents over the whole stack.
    navigation->pushViewController(std::make_shared<Scene>("Cover"), false);
    main->present(second, false);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->view()->window(), window);
    main->dismiss(false);
    EXPECT_EQ(second->view()->window(), nullptr);
}

TEST_F(ControllerTest, PoppingAndSwipingBackShowTheOneBelow)
{
    auto detail = std::make_shared<Scene>("Detail");
    navigation->pushViewController(detail, false);
    EXPECT_EQ(detail->parent(), navigation);
    EXPECT_EQ(navigation->popViewController(false), detail);
    EXPECT_EQ(detail->parent(), nullptr);
    EXPECT_EQ(navigation->popViewController(false), nullptr);
    navigation->setNavigationBarHidden(true, false);
    EXPECT_EQ(main->view()->frame(), window->bounds());

    navigation->pushViewController(detail, false);
    navigation->interactivePopGestureRecognizer()->setEnabled(false);
    TouchInjector injector(window);
    injector.edgePan(300, 250);
    EXPECT_EQ(navigation->topViewController(), detail);
    navigation->interactivePopGestureRecognizer()->setEnabled(true);
    injector.edgePan(300, 250);
    RunLoop::main().advance(1);
    EXPECT_EQ(navigation->topViewController(), main);
}

TEST_F(ControllerTest, AlertActionsDismissAndThenRunTheirHandlerAndATurnLaysOutTheAlertAndThePageBelow)
{
    auto alert = std::make_shared<AlertController>("Title", "Message");
    std::vector<std::string> order;
    alert->addAction({"Later", AlertActionStyle::cancel, nullptr});
    alert->addAction({"Open", AlertActionStyle::defaultStyle, [&] {
                          order.push_back(main->presentedViewController() ? "shown" : "dismissed");
                      }});
    main->present(alert, false);
    window->layoutIfNeeded();
    const int layouts = main->layouts;
    // Turned after it showed, the alert stays in the middle of the screen.
    Screen::main().setOrientation(InterfaceOrientation::landscapeLeft);
    EXPECT_GT(main->layouts, layouts);
    EXPECT_EQ(main->view()->bounds().width(), 667);
    window->layoutIfNeeded();
    const auto open = alert->buttonForAction("Open");
    const auto box = open->superview()->convertRectTo(open->superview()->bounds(), nullptr);
    EXPECT_DOUBLE_EQ(box.midX(), window->bounds().midX());
    EXPECT_DOUBLE_EQ(box.midY(), window->bounds().midY());
    TouchInjector(window).tap(*open);
    EXPECT_EQ(order, std::vector<std::string>{"dismissed"});
}

TEST_F(ControllerTest, AnEmbeddedChildAppearsWithItsParentAndFormSheetsAreCentredOnlyOnTablets)
{
    Storyboard::registerDefinition("Embedding", [](Storyboard& storyboard) {
        storyboard.addScene("Host", [] { return std::make_shared<Scene>("Host"); });
        storyboard.addScene("Panel", [] { return std::make_shared<Scene>("Panel"); });
        storyboard.addSegue("Host", "embedPanel", SegueKind::embed, "Panel");
    });
    auto host = Storyboard::named("Embedding")->instantiateViewController("Host");
    navigation->pushViewController(host, false);
    journal().clear();
    ASSERT_TRUE(host->performSegue("embedPanel", nullptr));
    ASSERT_EQ(host->children().size(), 1u);
    const auto panel = host->children().front();
    EXPECT_EQ(panel->view()->superview(), host->view());
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(journal().front(), "Host.prepare:embedPanel");

    auto sheet = std::make_shared<Scene>("Sheet");
    sheet->setModalPresentationStyle(ModalPresentationStyle::formSheet);
    main->present(sheet, false);
    EXPECT_EQ(sheet->view()->frame(), window->bounds());
    sheet->dismiss(false);
    Screen::main().setDeviceProfile(DeviceProfile::tablet);
    main->present(sheet, false);
    EXPECT_EQ(sheet->view()->frame(), platform::graphics::makeRect(114, 202, 540, 620));
}

TEST_F(ControllerTest, EveryControllerTransitionIgnoresTouchesOnItsPagesUntilItEnds)
{
    main->registerUnwindAction("unwindToMain", [](StoryboardSegue&) {});
    auto taps = std::make_shared<int>(0);
    // A button over the whole of the page counts the taps that reach it.
    const auto countTaps = [taps](const std::shared_ptr<ViewController>& page) {
        const auto button = std::make_shared<Button>(page->view()->bounds());
        button->addAction(ControlEvent::touchUpInside, [taps](Control&) { ++*taps; });
        page->view()->addSubview(button);
    };
    const auto detail = std::make_shared<Scene>("Detail");
    const auto deeper = std::make_shared<Scene>("Deeper");
    const auto modal = std::make_shared<Scene>("Modal");
    for (const auto& page : std::vector<std::shared_ptr<ViewController>>{main, detail, deeper, modal}) {
        countTaps(page);
    }
    const auto shownPage = [this] {
        const auto top = navigation->topViewController();
        return top->presentedViewController() ? top->presentedViewController() : top;
    };
    const std::pair<const char*, std::function<void()>> transitions[] = {
        {"push", [&] { navigation->pushViewController(detail, true); }},
        {"pop", [&] { navigation->popViewController(true); }},
        {"push over a page pushed at once",
         [&] {
             navigation->pushViewController(detail, false);
             navigation->pushViewController(deeper, true);
         }},
        {"pop to root", [&] { navigation->popToRootViewController(true); }},
        {"present", [&] { main->present(modal, true); }},
        {"dismiss", [&] { modal->dismiss(true); }},
        {"show segue",
         [&] {
             main->performSegue("toDetail", nullptr);
             countTaps(navigation->topViewController());
         }},
        {"present segue",
         [&] {
             navigation->topViewController()->performSegue("toSheet", nullptr);
             countTaps(std::dynamic_pointer_cast<NavigationController>(shownPage())->topViewController());
         }},
        {"unwind",
         [&] {
             std::dynamic_pointer_cast<NavigationController>(shownPage())->topViewController()->performSegue(
                 "backToMain", nullptr);
         }},
    };
    const auto centre = window->bounds().center();
    TouchInjector fingers(window);
    for (const auto& [kind, start] : transitions) {
        SCOPED_TRACE(kind);
        const int before = *taps;
        start();
        fingers.tap(centre);
        RunLoop::main().advance(0.1);
        fingers.tap(centre);
        EXPECT_EQ(*taps, before);
        RunLoop::main().advance(ViewController::transitionDuration);
        fingers.tap(centre);
        EXPECT_EQ(*taps, before + 1);
    }
    EXPECT_EQ(shownPage(), main);
}

namespace {

using namespace platform::ui;

TEST(StoryboardPartsTest, LibrariesAddScenesToOneStoryboardAndANavigationSceneWrapsItsRoot)
{
    Storyboard::registerDefinitionPart("Parts", "first", [](Storyboard& storyboard) {
        storyboard.addScene("main", [] { return std::make_shared<ViewController>(); });
        storyboard.addSegue("main", "toForm", SegueKind::presentModally, "formNavigation");
    });
    Storyboard::registerDefinitionPart("Parts", "second", [](Storyboard& storyboard) {
        storyboard.addScene("form", [] { return std::make_shared<ViewController>(); });
        storyboard.addNavigationScene("formNavigation", "form");
    });
    const auto storyboard = Storyboard::named("Parts");
    ASSERT_NE(storyboard, nullptr);
    EXPECT_NE(storyboard->instantiateViewController("main"), nullptr);
    const auto wrapped =
        std::dynamic_pointer_cast<NavigationController>(storyboard->instantiateViewController("formNavigation"));
    ASSERT_NE(wrapped, nullptr);
    ASSERT_NE(wrapped->topViewController(), nullptr);
    EXPECT_EQ(wrapped->topViewController()->sceneIdentifier(), "form");

    Storyboard::registerDefinitionPart("Parts", "second", [](Storyboard&) {});
    EXPECT_EQ(Storyboard::named("Parts")->instantiateViewController("form"), nullptr);
    EXPECT_EQ(Storyboard::named("No such parts"), nullptr);
}

} // namespace

TEST_F(ControllerTest, TheScreenTurnsOnlyWhereThePageInFrontAllowsAndANotchedPhoneNeverUpsideDown)
{
    auto& screen = Screen::main();
    int turns = 0;
    platform::NotificationCenter::defaultCenter().addObserver(ScreenNotifications::orientationDidChange,
                                                              [&](const platform::Notification&) { ++turns; });
    screen.setOrientation(InterfaceOrientation::portraitUpsideDown);
    EXPECT_EQ(screen.orientation(), InterfaceOrientation::portrait) << "the stack's top page does not allow it";
    main->orientations = OrientationMask::all;
    screen.setOrientation(InterfaceOrientation::portraitUpsideDown);
    EXPECT_EQ(screen.orientation(), InterfaceOrientation::portraitUpsideDown);
    screen.setOrientation(InterfaceOrientation::portrait);

    // A page presented from inside the stack decides while it is up.
    auto sheet = std::make_shared<Scene>("Sheet");
    sheet->orientations = OrientationMask::portrait;
    main->present(sheet, false);
    screen.setOrientation(InterfaceOrientation::landscapeLeft);
    EXPECT_EQ(screen.orientation(), InterfaceOrientation::portrait);
    EXPECT_EQ(window->bounds().width(), 375);
    main->dismiss(false);
    RunLoop::main().advance(ViewController::transitionDuration);
    screen.setOrientation(InterfaceOrientation::landscapeLeft);
    EXPECT_EQ(window->bounds().width(), 667);
    EXPECT_EQ(turns, 3);

    screen.setDeviceProfile(DeviceProfile::phoneWithNotch);
    screen.setOrientation(InterfaceOrientation::portraitUpsideDown);
    EXPECT_EQ(screen.orientation(), InterfaceOrientation::landscapeLeft);
    EXPECT_EQ(window->safeAreaInsets().left, 44);
    EXPECT_EQ(turns, 3);
}
