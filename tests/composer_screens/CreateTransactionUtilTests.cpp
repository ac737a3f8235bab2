#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionStoryboard.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "sdk/VTDocument.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "ui/Animator.h"
#include "ui/Keyboard.h"
#include "ui/Storyboard.h"

namespace {

using composer_screens_testing::ComposerScreenTest;
using Util = CreateTransactionUtil;

class CreateTransactionUtilTest : public ComposerScreenTest {};

TEST_F(CreateTransactionUtilTest, EntryPointsPushOnTheRootsNavigationOrPresentWithoutOne)
{
    EXPECT_TRUE(Veltra::dashboard()->startEditingTransactionWithGuid(std::nullopt, true, false, true));
    settle();
    const auto pushed = page();
    ASSERT_NE(pushed, nullptr);
    EXPECT_TRUE(pushed->canAddDocuments);
    EXPECT_FALSE(pushed->canDeleteDocuments);
    EXPECT_TRUE(pushed->canReorderDocuments);
    EXPECT_EQ(pushed->delegate(), Veltra::dashboard());

    makeHost(platform::ui::DeviceProfile::phone, false);
    EXPECT_TRUE(Veltra::dashboard()->startEditingTransactionWithGuid(std::nullopt, false, false, false));
    settle();
    ASSERT_NE(page(), nullptr);
    EXPECT_EQ(root->presentedViewController(), page());
    EXPECT_TRUE(page()->isVisible());
}

TEST_F(CreateTransactionUtilTest, DocumentsEntryMakesNamesUniqueAndRefusesNoArrayWithoutPriming)
{
    model->setTitle("Untouched");
    const auto before = model->transaction();
    EXPECT_FALSE(Veltra::dashboard()->createAndStartEditTransactionWithDocuments(std::nullopt, true, true, true));
    EXPECT_EQ(model->transaction(), before);
    EXPECT_EQ(navigation->topViewController(), root);

    const std::vector<std::shared_ptr<VTDocument>> documents{
        VTDocument::initWithNameAndPath("Offer", writePdf("a.pdf")),
        VTDocument::initWithNameAndPath("Offer", writePdf("b.pdf"))};
    EXPECT_TRUE(Veltra::dashboard()->createAndStartEditTransactionWithDocuments(documents, true, true, true));
    ASSERT_EQ(model->documentsNumber(), 2);
    EXPECT_EQ(model->nameOfDocumentWithIndex(0), "Offer");
    EXPECT_NE(model->nameOfDocumentWithIndex(1), "Offer");
    EXPECT_FALSE(model->title());

    EXPECT_TRUE(Veltra::dashboard()->createAndStartEditTransactionWithDocuments(
        std::vector<std::shared_ptr<VTDocument>>{}, true, true, true));
    EXPECT_EQ(model->documentsNumber(), 0);
}

TEST_F(CreateTransactionUtilTest, NoRootControllerOrAForeignSceneShowsNothingAndLeavesTheModel)
{
    const auto facadeRoot = Veltra::dashboard()->rootViewController();
    model->setTitle("Kept");
    const auto held = model->transaction();

    platform::ui::Storyboard::registerDefinitionPart(CreateTransactionStoryboard::name, "zz-foreign",
                                                     [](platform::ui::Storyboard& storyboard) {
                                                         storyboard.addScene(CreateTransactionStoryboard::mainPageScene,
                                                                             [] {
                                                                                 return std::make_shared<
                                                                                     platform::ui::ViewController>();
                                                                             });
                                                     });
    EXPECT_FALSE(Veltra::dashboard()->createAndStartEditWithTransaction(std::make_shared<VTTransaction>(), true, true,
                                                                       true));
    EXPECT_EQ(model->transaction(), held);
    platform::ui::Storyboard::registerDefinitionPart(CreateTransactionStoryboard::name, "zz-foreign",
                                                     [](platform::ui::Storyboard&) {});
    EXPECT_NE(Util::getController().second, nullptr);
    EXPECT_EQ(Util::getController().first, navigation);
    EXPECT_EQ(facadeRoot, root);
}

TEST_F(CreateTransactionUtilTest, ShakeReportsOnlyAnUninterruptedEndWhilePopAlwaysReportsItsEnd)
{
    platform::ui::View view(platform::graphics::makeRect(100, 100, 50, 20));
    const double startX = view.center().x;
    std::vector<bool> ends;
    const auto record = [&ends](bool finished) { ends.push_back(finished); };
    Util::animateShakeWithDurationForView(view, 0.3, 12, record);
    EXPECT_DOUBLE_EQ(view.center().x, startX) << "the shake returns the view to its place";
    settle(0.5);
    EXPECT_EQ(ends, std::vector<bool>{true});
    Util::animateShakeWithDurationForView(view, 0.3, 12, record);
    platform::ui::Animator::shared().removeAnimations(view);
    settle(0.5);
    EXPECT_EQ(ends, std::vector<bool>{true});

    view.setHidden(true);
    Util::animatePopWithDurationForView(view, 0.2, true, record);
    EXPECT_FALSE(view.isHidden());
    EXPECT_TRUE(view.transform().isIdentity());
    platform::ui::Animator::shared().removeAnimations(view);
    settle(0.5);
    EXPECT_EQ(ends, (std::vector<bool>{true, false}));
}

TEST_F(CreateTransactionUtilTest, BlankTextIsSpacesAndTabsButNotLineBreaksAndAKeyboardHeightNeedsAFrame)
{
    EXPECT_TRUE(Util::stringIsEmpty(""));
    EXPECT_TRUE(Util::stringIsEmpty(" \t \u00A0\u2003"));
    EXPECT_FALSE(Util::stringIsEmpty("  a  "));
    EXPECT_FALSE(Util::stringIsEmpty("\n\n"));

    platform::Notification notification{platform::ui::KeyboardNotifications::willShow, nullptr, Dictionary::object()};
    EXPECT_EQ(Util::keyboardHeightFromNotification(notification), 0);
    notification.userInfo[platform::ui::KeyboardNotifications::frameEndKey] = "not a rectangle";
    EXPECT_EQ(Util::keyboardHeightFromNotification(notification), 0);
    notification.userInfo[platform::ui::KeyboardNotifications::frameEndKey] =
        Dictionary{{"x", 0}, {"y", 451}, {"width", 375}, {"height", 216}};
    EXPECT_EQ(Util::keyboardHeightFromNotification(notification), 216);
}

} // namespace
