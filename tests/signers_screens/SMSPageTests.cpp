#include "AuthenticationPageTest.h"

#include "support/ZKColor.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"

namespace {

using signers_screens_testing::AuthenticationPageTest;
using Strings = std::vector<std::string>;

class SMSPageTest : public AuthenticationPageTest {
protected:
    void open(const Method& method = Method::Email{})
    {
        page = openSMSPage(method);
        ASSERT_NE(page, nullptr);
    }
    platform::ui::TextField& field() const { return *page->cellPhoneTextField.lock(); }
    std::string error() const { return page->errorLabel.lock()->text().value_or("<none>"); }
    bool addShown() const { return isShown(*page->addButton.lock()); }
    bool indicatorShown() const { return isShown(*page->cellPhoneStatusIndicator.lock()); }
    platform::graphics::Color indicatorColor() const
    {
        return page->cellPhoneStatusIndicator.lock()->backgroundColor().value_or(platform::graphics::Color::clear());
    }
    // Types the number a key at a time; the field's text after each key.
    Strings typeKeys(const std::string& number)
    {
        tap(field());
        Strings shown;
        for (std::size_t start = 0; start < number.size();) {
            std::size_t end = start + 1;
            while (end < number.size() && (static_cast<unsigned char>(number[end]) & 0xC0) == 0x80) {
                ++end;
            }
            fingers->typeText(number.substr(start, end - start));
            shown.push_back(field().text());
            start = end;
        }
        return shown;
    }
    bool shaken() const
    {
        const auto shake = platform::ui::Animator::shared().lastAnimation(*page->cellPhoneView.lock(), "center");
        return shake && shake->state == platform::ui::Animation::State::running;
    }

    std::shared_ptr<SMSPage> page;
};

TEST_F(SMSPageTest, LaysOutANationalNumberInAnyDigitsAsItIsTypedAndHandsBackTheLayout)
{
    open();
    const Strings arabicIndic = typeKeys("٦٥٠٢٥٣٠٠٠٠");
    EXPECT_EQ(arabicIndic.front(), "(6  )");
    EXPECT_EQ(arabicIndic.back(), "(650) 253-0000");
    EXPECT_TRUE(addShown());
    // Extended Arabic-Indic digits after a calling code typed in ASCII.
    field().setText("");
    EXPECT_EQ(typeKeys("+۴۴۲۰۷۹۴۶۰۰۱۸").back(), "+44 20 7946 0018");
    EXPECT_TRUE(addShown());

    field().setText("");
    const Strings shown = typeKeys("6502530000");
    EXPECT_EQ(shown.front(), "(6  )");
    EXPECT_EQ(shown[3], "(650) 2");
    EXPECT_EQ(shown.back(), "(650) 253-0000");
    EXPECT_EQ(error(), "");
    EXPECT_TRUE(addShown());
    EXPECT_TRUE(indicatorShown());
    EXPECT_EQ(indicatorColor(), ZKColor::success());

    tap(*page->addButton.lock());
    settle();
    EXPECT_EQ(top(), picker);
    EXPECT_EQ(opener->method, Method{Method::SMS{"(650) 253-0000"}});
    EXPECT_EQ(page->authenticationMethod(), opener->method);
}

TEST_F(SMSPageTest, ErasingTheNumberKeyByKeyEndsOnWrongFormatAnEmbargoedCountryIsRefusedAndEndOfEditingShowsTheResult)
{
    open();
    typeKeys("6502");
    Strings shown;
    for (int key = 0; key < 4; ++key) {
        fingers->deleteBackward();
        shown.push_back(field().text());
        EXPECT_EQ(error(), "Wrong phone format");
    }
    EXPECT_EQ(shown, (Strings{"(650)", "(65 )", "(6  )", ""}));
    EXPECT_FALSE(addShown());
    EXPECT_FALSE(indicatorShown());

    typeKeys("6502530000");
    ASSERT_TRUE(addShown());
    fingers->deleteBackward();
    EXPECT_EQ(field().text(), "(650) 253-000");
    EXPECT_EQ(error(), "Wrong phone format");
    EXPECT_FALSE(addShown());
    EXPECT_FALSE(indicatorShown());

    // An embargoed calling code is refused however the number arrives.
    field().setText("");
    typeKeys("+963 944567890");
    EXPECT_EQ(field().text(), "+963 944 567 890");
    EXPECT_EQ(error(), "Country not allowed");
    EXPECT_FALSE(addShown());

    // Pasted without the blank after the calling code, the number itself passes the
    // embargo, but its layout brings the blank in.
    field().setText("");
    field().insertText("+963944567890");
    EXPECT_EQ(field().text(), "+963 944 567 890");
    EXPECT_EQ(error(), "Country not allowed");
    EXPECT_FALSE(addShown());
    EXPECT_FALSE(indicatorShown());

    // A valid number of another country passes.
    field().setText("");
    typeKeys("+442079460018");
    EXPECT_EQ(error(), "");
    EXPECT_TRUE(addShown());

    // The end of editing shows the result in colour and shakes a failure.
    field().setText("");
    typeKeys("65025");
    fingers->pressReturn();
    EXPECT_FALSE(field().isFirstResponder());
    EXPECT_EQ(error(), "Wrong phone format");
    EXPECT_TRUE(indicatorShown());
    EXPECT_EQ(indicatorColor(), ZKColor::error());
    EXPECT_TRUE(shaken());
    EXPECT_FALSE(addShown());
    settle();

    typeKeys("30000");
    tap(*page->topBar->titleLabel());
    EXPECT_FALSE(platform::ui::Keyboard::shared().isVisible());
    EXPECT_EQ(error(), "");
    EXPECT_EQ(indicatorColor(), ZKColor::success());
    EXPECT_FALSE(shaken());
    EXPECT_TRUE(addShown());
    EXPECT_EQ(field().text(), "(650) 253-0000");
}

TEST_F(SMSPageTest, ShowsTheStoredNumberButAddsOnlyAfterACheck)
{
    open(Method::SMS{"+1 650-253-0000"});
    EXPECT_EQ(field().text(), "+1 650-253-0000");
    EXPECT_EQ(error(), "");
    EXPECT_FALSE(addShown());
    EXPECT_FALSE(indicatorShown());
    navigation->popToViewController(*opener, false);

    open(Method::QuestionAndAnswer{"Pet?", "Rex", false, {}, {}, false});
    EXPECT_EQ(field().text(), "");
    EXPECT_EQ(error(), "");
    EXPECT_FALSE(addShown());
    tap(*page->topBar->backButton());
    settle();
    EXPECT_EQ(top(), picker);
    EXPECT_TRUE(opener->calls.empty());
}

} // namespace
