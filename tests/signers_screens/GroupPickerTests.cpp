#include "SignerSetupScreenTest.h"

#include "composer/screens/CreateTransactionGroupCell.h"
#include "signers/screens/CreateTransactionPickGroupViewController.h"
#include "signers/screens/SignerSetupScenes.h"

#include <gmock/gmock.h>

namespace signers_screens_testing {
namespace {

using testing::ElementsAre;
using Page = CreateTransactionPickGroupViewController;

constexpr const char* backToOpener = "unwind unwindFromGroupsPageToAddSignerPage";

class GroupPickerTest : public SignerSetupScreenTest {
protected:
    std::shared_ptr<Page> openPicker(std::optional<int> selected)
    {
        page = open<Page>(SignerSetupScenes::groupsPageScene, [this, selected](Page& picker) {
            picker.groupList = groups;
            picker.selectedGroupIndex = selected;
        });
        return page;
    }

    std::shared_ptr<CreateTransactionGroupCell> row(int index) const
    {
        return std::dynamic_pointer_cast<CreateTransactionGroupCell>(page->tableView.lock()->cellForRow({0, index}));
    }

    bool checked(int index) const { return isShown(*row(index)->checkmarkLabel.lock()); }

    std::vector<std::shared_ptr<ZKGroup>> groups{
        std::make_shared<ZKGroup>("g1", true, "Legal", "legal@example.com"),
        std::make_shared<ZKGroup>("g2", false, "Finance", "finance@example.com"),
        std::make_shared<ZKGroup>("g3", false, "Sales", "sales@example.com")};
    std::shared_ptr<Page> page;
};

TEST_F(GroupPickerTest, ChoosingAGroupWritesItAndItsKindIntoTheOpener)
{
    openPicker(1);
    ASSERT_EQ(page->tableView.lock()->numberOfRows(0), 3);
    EXPECT_EQ(row(0)->groupNameLabel.lock()->text(), "Legal");
    EXPECT_EQ(row(0)->groupEmailLabel.lock()->text(), "legal@example.com");
    EXPECT_FALSE(checked(0));
    EXPECT_TRUE(checked(1));

    const auto finance = row(1);
    const auto sales = row(2);
    tap(*sales);
    EXPECT_THAT(opener->events, ElementsAre("selectedGroup", "signerType", "updateUIForSignerType >",
                                            "populateUIForSelectedGroup", "manageAddButtonAvailability",
                                            backToOpener));
    EXPECT_EQ(opener->selectedGroup, groups[2]);
    EXPECT_EQ(opener->signerType, CreateTransactionSignerType::group);
    EXPECT_EQ(page->selectedGroupIndex, 2);
    EXPECT_FALSE(sales->checkmarkLabel.lock()->isHidden());
    EXPECT_TRUE(finance->checkmarkLabel.lock()->isHidden());
    EXPECT_EQ(topPage(), nullptr);

    opener->events.clear();
    openPicker(2);
    tap(*row(2));
    EXPECT_EQ(opener->events.front(), "selectedGroup") << "the checked group is handed over again";
    EXPECT_EQ(opener->selectedGroup, groups[2]);
    EXPECT_EQ(opener->events.back(), backToOpener);
}

TEST_F(GroupPickerTest, WithEveryGroupAddedOnlyCloseIsLeft)
{
    groups.clear();
    openPicker(std::nullopt);
    EXPECT_EQ(page->tableView.lock()->numberOfRows(0), 0);
    tap(*page->closeButton);
    EXPECT_THAT(opener->events, ElementsAre(backToOpener));
    EXPECT_EQ(opener->selectedGroup, nullptr);
}

} // namespace
} // namespace signers_screens_testing
