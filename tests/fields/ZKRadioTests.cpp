#include "FieldsTest.h"

#include "fields/ZKElementViewFactory.h"
#include "fields/ZKRadio.h"

using fields_testing::FieldsTest;

namespace {

std::shared_ptr<ZKRadio> radioView(const std::shared_ptr<ZKElement>& element)
{
    return std::dynamic_pointer_cast<ZKRadio>(ZKElementViewFactory::elementViewForElement(element));
}

std::string storedContent(const std::string& ident)
{
    const auto stored = ZKCoreDataManager::openDefault().manager->transactionWithGuid("trx");
    for (const auto& document : stored->documents()) {
        for (const auto& element : document->elements()) {
            if (element->ident() == ident) {
                return element->content();
            }
        }
    }
    return "missing";
}

} // namespace

TEST_F(FieldsTest, CheckingARadioEmptiesOnlyTheOthersOfItsGroupSignatureAndDocumentAndRedrawsThem)
{
    const auto chosen = addRadio(0, "sig-a", {"colour"}, "X");
    const auto sameGroup = addRadio(0, "sig-a", {"colour"}, "X");
    const auto otherGroup = addRadio(0, "sig-a", {"size"}, "X");
    const auto noGroup = addRadio(0, "sig-a", {}, "X");
    const auto otherSignature = addRadio(0, "sig-b", {"colour"}, "X");
    const auto otherDocument = addRadio(1, "sig-a", {"colour"}, "X");
    const auto textBox = addElement(0, "TextBox", "sig-a", platform::graphics::makeRect(0, 0, 130, 38));
    textBox->setContent("X");
    ASSERT_FALSE(manager->save().has_value());
    const double stampBefore = transaction->lastUpdate();

    // The button checked and one of its group lie on different pages of the same screen.
    const auto chosenView = radioView(chosen);
    const auto sameGroupView = radioView(sameGroup);
    const auto otherGroupView = radioView(otherGroup);
    auto secondPage = std::make_shared<platform::ui::View>(platform::graphics::makeRect(0, 600, 375, 600));
    window->addSubview(secondPage);
    page->addSubview(chosenView);
    page->addSubview(otherGroupView);
    secondPage->addSubview(sameGroupView);
    ASSERT_TRUE(sameGroupView->radioDisplayView()->isChecked());

    chosenView->uncheckOtherRadiosFromGroup();

    EXPECT_EQ(chosen->content(), "X");
    EXPECT_EQ(sameGroup->content(), "");
    for (const auto& untouched : {otherGroup, noGroup, otherSignature, otherDocument, textBox}) {
        EXPECT_EQ(untouched->content(), "X") << untouched->ident();
    }
    EXPECT_FALSE(sameGroupView->radioDisplayView()->isChecked());
    EXPECT_TRUE(otherGroupView->radioDisplayView()->isChecked());
    EXPECT_TRUE(chosenView->radioDisplayView()->isChecked());
    EXPECT_EQ(storedContent(sameGroup->ident()), "");
    EXPECT_EQ(storedContent(otherGroup->ident()), "X");
    EXPECT_GT(transaction->lastUpdate(), stampBefore);
}

TEST_F(FieldsTest, ARadioWithoutAGroupEmptiesEveryOtherRadioOfItsSignatureAndDocument)
{
    const auto chosen = addRadio(0, "sig-a", {}, "X");
    const auto grouped = addRadio(0, "sig-a", {"colour"}, "X");
    const auto ungrouped = addRadio(0, "sig-a", {}, "X");
    const auto otherSignature = addRadio(0, "sig-b", {}, "X");
    const auto otherDocument = addRadio(1, "sig-a", {}, "X");
    ASSERT_FALSE(manager->save().has_value());

    const auto view = radioView(chosen);
    page->addSubview(view);
    view->uncheckOtherRadiosFromGroup();

    EXPECT_EQ(grouped->content(), "");
    EXPECT_EQ(ungrouped->content(), "");
    EXPECT_EQ(otherSignature->content(), "X");
    EXPECT_EQ(otherDocument->content(), "X");
    EXPECT_EQ(chosen->content(), "X");
    EXPECT_EQ(storedContent(grouped->ident()), "");
}

TEST_F(FieldsTest, UpdateMovesTheRadioToItsElementAndRedrawsIt)
{
    const auto element = addRadio(0, "sig-a", {"colour"}, "");
    const auto view = radioView(element);
    ASSERT_FALSE(view->radioDisplayView()->isChecked());

    element->setContent("X");
    element->setFrame(platform::graphics::makeRect(50, 60, 13.84, 13.84));
    EXPECT_FALSE(view->radioDisplayView()->isChecked());
    view->update();

    EXPECT_TRUE(view->radioDisplayView()->isChecked());
    EXPECT_EQ(view->frame(), platform::graphics::makeRect(50, 60, 13.84, 13.84));
}
