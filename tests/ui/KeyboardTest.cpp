#include "foundation/NotificationCenter.h"
#include "support/VeltraTest.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/TextField.h"
#include "ui/TextView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::Notification;
using platform::NotificationCenter;
using platform::graphics::makeRect;

namespace {

class Recorder : public TextFieldDelegate, public TextViewDelegate {
public:
    std::vector<std::string> events;
    bool mayEnd = true;
    void textFieldDidBeginEditing(TextField&) override { events.push_back("begin"); }
    void textFieldDidEndEditing(TextField&) override { events.push_back("end"); }
    bool textFieldShouldReturn(TextField&) override
    {
        events.push_back("return");
        return true;
    }
    bool textViewShouldEndEditing(TextView&) override { return mayEnd; }
    void textViewDidChange(TextView& view) override { events.push_back("change:" + view.text()); }
};

class KeyboardTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
        form = std::make_shared<View>(makeRect(0, 0, 375, 600));
        window->addSubview(form);
        first = std::make_shared<TextField>(makeRect(10, 10, 200, 40));
        second = std::make_shared<TextField>(makeRect(10, 60, 200, 40));
        form->addSubview(first);
        form->addSubview(second);
        recorder = std::make_shared<Recorder>();
        first->setDelegate(recorder);
        for (const char* name : {KeyboardNotifications::willShow, KeyboardNotifications::didShow,
                                 KeyboardNotifications::willHide, KeyboardNotifications::didHide}) {
            NotificationCenter::defaultCenter().addObserver(name, [this](const Notification& notification) {
                posted.push_back(notification.name);
                endFrames.push_back(KeyboardNotifications::endFrame(notification));
            });
        }
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<View> form;
    std::shared_ptr<TextField> first;
    std::shared_ptr<TextField> second;
    std::shared_ptr<Recorder> recorder;
    std::vector<std::string> posted;
    std::vector<std::optional<Rect>> endFrames;
};

} // namespace

TEST_F(KeyboardTest, BecomingFirstResponderShowsTheKeyboardWithItsEndFrameForTheOrientation)
{
    TouchInjector(window).tap(*first);
    EXPECT_TRUE(first->isFirstResponder());
    EXPECT_EQ(posted, (std::vector<std::string>{"KeyboardWillShow", "KeyboardDidShow"}));
    EXPECT_EQ(endFrames[0], makeRect(0, 667 - 216, 375, 216));
    EXPECT_EQ(recorder->events, std::vector<std::string>{"begin"});

    // Moving to another input keeps the keyboard up and announces it again, in place.
    second->becomeFirstResponder();
    EXPECT_EQ(posted, (std::vector<std::string>{"KeyboardWillShow", "KeyboardDidShow", "KeyboardWillShow",
                                                "KeyboardDidShow"}));
    EXPECT_EQ(endFrames.back(), endFrames[0]);
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"begin", "end"}));

    posted.clear();
    form->endEditing(true);
    EXPECT_EQ(posted, (std::vector<std::string>{"KeyboardWillHide", "KeyboardDidHide"}));
    EXPECT_EQ(endFrames.back()->minY(), 667);

    EXPECT_FALSE(KeyboardNotifications::endFrame(Notification{"x", nullptr, {{"KeyboardFrameEnd", "text"}}}));
    Screen::main().setOrientation(InterfaceOrientation::landscapeLeft);
    first->becomeFirstResponder();
    EXPECT_EQ(endFrames.back()->height(), 162);

    // Turned while it is up, it announces the frame it has upright.
    posted.clear();
    Screen::main().setOrientation(InterfaceOrientation::portrait);
    EXPECT_EQ(posted, (std::vector<std::string>{"KeyboardWillShow", "KeyboardDidShow"}));
    EXPECT_EQ(endFrames.back(), makeRect(0, 667 - 216, 375, 216));
}

TEST_F(KeyboardTest, TypingSendsEditingChangedPerCharacterAndReturnThePrimaryAction)
{
    std::vector<std::string> texts;
    first->addAction(ControlEvent::editingChanged, [&](Control&) { texts.push_back(first->text()); });
    int primary = 0;
    first->addAction(ControlEvent::primaryActionTriggered, [&](Control&) {
        ++primary;
        second->becomeFirstResponder();
    });
    TouchInjector injector(window);
    injector.tap(*first);
    injector.typeText("Zoë");
    EXPECT_EQ(texts, (std::vector<std::string>{"Z", "Zo", "Zoë"}));
    injector.deleteBackward();
    EXPECT_EQ(first->text(), "Zo");
    injector.pressReturn();
    EXPECT_EQ(primary, 1);
    EXPECT_TRUE(second->isFirstResponder());
    EXPECT_EQ(recorder->events, (std::vector<std::string>{"begin", "return", "end"}));
}

TEST_F(KeyboardTest, NothingBecomesFirstResponderOutsideAWindowOrDisabledLeavingTheWindowHidesAndATextViewMayRefuseToEnd)
{
    TextField loose;
    EXPECT_FALSE(loose.becomeFirstResponder());
    first->setEnabled(false);
    EXPECT_FALSE(first->becomeFirstResponder());
    EXPECT_TRUE(posted.empty());

    second->becomeFirstResponder();
    form->removeFromSuperview();
    EXPECT_FALSE(Keyboard::shared().isVisible());
    EXPECT_EQ(posted.back(), "KeyboardDidHide");

    window->addSubview(form);
    auto text = std::make_shared<TextView>(makeRect(0, 200, 300, 100));
    text->setDelegate(recorder);
    form->addSubview(text);
    TouchInjector injector(window);
    injector.tap(*text);
    injector.typeText("a");
    injector.pressReturn();
    EXPECT_EQ(text->text(), "a\n");
    recorder->mayEnd = false;
    EXPECT_FALSE(form->endEditing(false));
    EXPECT_TRUE(text->isFirstResponder());
    EXPECT_TRUE(form->endEditing(true));
    EXPECT_FALSE(text->isFirstResponder());
}
