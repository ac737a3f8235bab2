#include "AuthenticationPageTest.h"

#include "ui/Animator.h"

namespace {

using signers_screens_testing::AuthenticationPageTest;
using Strings = std::vector<std::string>;

const Strings handedBack = {"setAuthenticationMethod", "updateAuthenticationMethodLabel",
                            "manageAddButtonAvailability"};

class AuthenticationMethodsPageTest : public AuthenticationPageTest {};

TEST_F(AuthenticationMethodsPageTest, ChecksTheHandedInMethodAndNoneForAnUnrecognisedOne)
{
    // A new recipient: the add/edit page starts with e-mail.
    openPicker(Method::Email{});
    EXPECT_EQ(checkedRows(), Strings{"email"});
    EXPECT_NE(platform::ui::Animator::shared().lastAnimation(*picker->emailCheckMark.lock(), "transform"), nullptr);
    navigation->popViewController(false);

    openPicker(Method::SMS{"+1 650-253-0000"});
    EXPECT_EQ(checkedRows(), Strings{"sms"});
    navigation->popViewController(false);

    openPicker(Method::None{});
    EXPECT_EQ(checkedRows(), Strings{});
    EXPECT_TRUE(opener->calls.empty());
}

TEST_F(AuthenticationMethodsPageTest, DetailPagesGetTheCurrentMethodAndBackKeepsItButEmailChangesItAtOnce)
{
    const Method sms = Method::SMS{"+44 20 7946 0018"};
    openPicker(sms);
    tap(*picker->qaButton.lock());
    settle();
    const auto qa = std::dynamic_pointer_cast<QAPage>(top());
    ASSERT_NE(qa, nullptr);
    EXPECT_EQ(qa->authenticationMethod(), sms);
    EXPECT_EQ(qa->delegate(), picker);
    type(*qa->question1TextField.lock(), "Street?");
    tap(*qa->topBar->backButton());
    settle();
    EXPECT_EQ(top(), picker);

    tap(*picker->smsButton.lock());
    settle();
    const auto smsPage = std::dynamic_pointer_cast<SMSPage>(top());
    ASSERT_NE(smsPage, nullptr);
    EXPECT_EQ(smsPage->authenticationMethod(), sms);
    type(*smsPage->cellPhoneTextField.lock(), "1");
    tap(*smsPage->topBar->backButton());
    settle();

    EXPECT_EQ(top(), picker);
    EXPECT_EQ(picker->authenticationMethod(), sms);
    EXPECT_EQ(checkedRows(), Strings{"sms"});
    EXPECT_TRUE(opener->calls.empty());
    EXPECT_EQ(opener->method, sms);

    // E-mail needs no details: it changes the opener at once, and back leaves it.
    tap(*picker->emailButton.lock());
    EXPECT_EQ(opener->calls, handedBack);
    EXPECT_EQ(opener->method, Method{Method::Email{}});
    EXPECT_EQ(picker->authenticationMethod(), Method{Method::Email{}});
    EXPECT_EQ(checkedRows(), Strings{"email"});
    EXPECT_EQ(top(), picker);
    tap(*picker->topBar->backButton());
    settle();
    EXPECT_EQ(top(), opener);
    EXPECT_EQ(opener->unwinds, 1);
    EXPECT_EQ(opener->method, Method{Method::Email{}});
}

TEST_F(AuthenticationMethodsPageTest, DetailPagesWriteIntoThePickerAndItsOpenerBeforeComingBack)
{
    openPicker(Method::Email{});
    tap(*picker->qaButton.lock());
    settle();
    auto qa = std::dynamic_pointer_cast<QAPage>(top());
    ASSERT_NE(qa, nullptr);
    type(*qa->question1TextField.lock(), "City of birth?");
    type(*qa->answer1TextField.lock(), "Oslo");
    tap(*qa->addButton.lock());
    settle();
    const Method pairs = Method::QuestionAndAnswer{"City of birth?", "Oslo", false, "", "", false};
    EXPECT_EQ(top(), picker);
    EXPECT_EQ(picker->authenticationMethod(), pairs);
    EXPECT_EQ(opener->method, pairs);
    EXPECT_EQ(opener->calls, handedBack);
    EXPECT_EQ(checkedRows(), Strings{"qa"});

    // Gone with the picker's opener, the page still hands back to the picker.
    opener->calls.clear();
    picker->setDelegate({});
    tap(*picker->smsButton.lock());
    settle();
    const auto sms = std::dynamic_pointer_cast<SMSPage>(top());
    ASSERT_NE(sms, nullptr);
    type(*sms->cellPhoneTextField.lock(), "6502530000");
    tap(*sms->addButton.lock());
    settle();
    EXPECT_EQ(top(), picker);
    EXPECT_EQ(picker->authenticationMethod(), Method{Method::SMS{"(650) 253-0000"}});
    EXPECT_EQ(checkedRows(), Strings{"sms"});
    EXPECT_TRUE(opener->calls.empty());
}

} // namespace
