#include "AddSignerPageTest.h"

#include "ui/Keyboard.h"
#include "ui/Label.h"

#include <gtest/gtest.h>

namespace signers_screens_testing {

using FormTest = AddSignerPageTest;

TEST_F(FormTest, AddShowsOnlyWhileTheThreeCheckedFieldsHoldAValidRecipient)
{
    ASSERT_NE(openToAdd(), nullptr);
    EXPECT_EQ(page->topBarTitleLabel->text(), "Add Recipient");
    EXPECT_EQ(page->authenticationTypeLabel.lock()->text(), "Email") << "a new recipient authenticates by e-mail";
    EXPECT_FALSE(addShown());

    type(page->firstNameTextField, "   ");
    type(page->lastNameTextField, "Lee");
    type(page->emailTextField, "ann@example.com");
    EXPECT_FALSE(addShown()) << "a first name of spaces is blank";
    page->firstNameTextField.lock()->setText("");
    type(page->firstNameTextField, "Ann");
    EXPECT_TRUE(addShown());

    type(page->emailTextField, "@");
    EXPECT_FALSE(addShown()) << "each keystroke re-evaluates the button";
    fingers->deleteBackward();
    EXPECT_TRUE(addShown());
    type(page->lastNameTextField, "");
    fingers->deleteBackward(3);
    EXPECT_FALSE(addShown());

    tap(*page->closeButton);
    settle();
    EXPECT_TRUE(addPageClosed());
    EXPECT_EQ(model->signersNumber(), 0);
}

TEST_F(FormTest, FieldsThatEndEditingBlankAreMarkedAndShakenAndAddWithBlanksCommitsNothing)
{
    ASSERT_NE(openToAdd(), nullptr);
    type(page->firstNameTextField, " \t");
    tapBeside();
    EXPECT_TRUE(isShown(page->firstNameStatusBar));
    EXPECT_EQ(shakesOf(*page->firstNameView.lock()), 1);

    type(page->titleTextField, "");
    tapBeside();
    EXPECT_FALSE(isShown(page->titleStatusBar)) << "title and company are not checked";
    EXPECT_EQ(shakesOf(*page->titleView.lock()), 0);

    type(page->firstNameTextField, "Ann");
    tapBeside();
    EXPECT_FALSE(isShown(page->firstNameStatusBar)) << "a field that passes is unmarked";

    type(page->emailTextField, "ann at example");
    page->addButton.lock()->setHidden(false);
    tap(*page->addButton.lock());
    settle();
    for (const auto& [row, bar] : {std::pair{page->lastNameView, page->lastNameStatusBar},
                                   std::pair{page->emailView, page->emailStatusBar}}) {
        EXPECT_TRUE(isShown(bar));
        EXPECT_GE(shakesOf(*row.lock()), 1);
    }
    EXPECT_FALSE(addShown());
    EXPECT_EQ(model->signersNumber(), 0);
    EXPECT_NE(topOfAddPage(), nullptr);
}

TEST_F(FormTest, ReturnMovesThroughTheFieldsToCompanyAndTheKeyboardInsetsTheFormByWhatItCovers)
{
    ASSERT_NE(openToAdd(), nullptr);
    tap(*page->firstNameTextField.lock());
    const std::vector<std::weak_ptr<platform::ui::TextField>> order{page->lastNameTextField, page->emailTextField,
                                                                    page->titleTextField, page->companyTextField};
    for (const auto& next : order) {
        fingers->pressReturn();
        EXPECT_TRUE(next.lock()->isFirstResponder());
    }
    fingers->pressReturn();
    EXPECT_TRUE(page->companyTextField.lock()->isFirstResponder());
    EXPECT_TRUE(isShown(page->lastNameStatusBar)) << "leaving a blank last name marks it";

    const auto form = page->scrollView.lock();
    const double keyboard = platform::ui::Keyboard::shared().frame().height();
    EXPECT_DOUBLE_EQ(form->contentInset().bottom, keyboard + 10);
    EXPECT_EQ(form->scrollIndicatorInsets(), form->contentInset());
    tapBeside();
    EXPECT_EQ(form->contentInset(), platform::graphics::EdgeInsets{});
}

TEST_F(FormTest, TheSendersOwnAddressPassesThePageButTheModelRefusesItsFormat)
{
    signIn(Dictionary{{"email", "Sam@LOCALHOST"}, {"firstName", "Sam"}, {"lastName", "Sender"}});
    ASSERT_NE(openToAdd(), nullptr);
    typeDetails("Sam", "Sender", "sam@localhost");
    tapBeside();
    EXPECT_FALSE(isShown(page->emailStatusBar));
    ASSERT_TRUE(addShown());

    const int rowShakes = shakesOf(*page->emailView.lock());
    tap(*page->addButton.lock());
    settle();
    EXPECT_EQ(page->errorLabel.lock()->text(), "Wrong email format.");
    EXPECT_TRUE(isShown(page->emailStatusBar));
    EXPECT_EQ(shakesOf(*page->emailTextField.lock()), 1) << "the field itself shakes";
    EXPECT_EQ(shakesOf(*page->emailView.lock()), rowShakes);
    EXPECT_EQ(model->signersNumber(), 0);

    tap(*page->firstNameTextField.lock());
    EXPECT_EQ(page->errorLabel.lock()->text(), "Required fields *") << "the keyboard brings the hint back";
}

TEST_F(FormTest, ALongFirstNameEndsBeforeTheContactSourceButtonOverItsRow)
{
    ASSERT_NE(openToAdd(), nullptr);
    type(page->firstNameTextField, "Maria-Antonietta Anastasia Wilhelmina");
    tapBeside();
    const auto field = page->firstNameTextField.lock();
    const auto button = page->signerButtonAdd.lock();
    ASSERT_TRUE(isShown(*button));
    EXPECT_LE(field->convertRectTo(field->bounds(), nullptr).maxX(),
              button->convertRectTo(button->bounds(), nullptr).minX());
}

} // namespace signers_screens_testing
