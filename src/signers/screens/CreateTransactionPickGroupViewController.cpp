#include "signers/screens/CreateTransactionPickGroupViewController.h"

#include "composer/screens/CreateTransactionGroupCell.h"
#include "composer/screens/CreateTransactionLook.h"
#include "signers/screens/SignerSetupPageLayout.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/LocalizedSDK.h"
#include "ui/Screen.h"

#include <algorithm>

using platform::ui::IndexPath;
using Cell = CreateTransactionGroupCell;

namespace {

// The check mark of the icon font.
constexpr const char* checkmarkGlyph = "C";
constexpr double listTopGap = 16;

} // namespace

std::shared_ptr<CreateTransactionPickGroupViewController> CreateTransactionPickGroupViewController::self()
{
    return std::static_pointer_cast<CreateTransactionPickGroupViewController>(shared_from_this());
}

void CreateTransactionPickGroupViewController::loadView()
{
    auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(CreateTransactionLook::pageBackground());
    auto table = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(CreateTransactionLook::pageBackground());
    table->registerCell(Cell::cellIdentifier, [] { return std::make_shared<Cell>(); });
    root->addSubview(table);
    tableView = table;
    topBar = std::make_shared<SignerSetupTopBar>(localizedSDK("Groups"));
    closeButton = topBar->addLeadingButton(localizedSDK("Close"));
    root->addSubview(topBar);
    statusBarView = SignerSetupPageLayout::makeStatusBarStrip();
    root->addSubview(statusBarView);
    setView(root);
}

void CreateTransactionPickGroupViewController::viewDidLoad()
{
    const auto page = self();
    closeButton->addTarget(page, platform::ui::ControlEvent::touchUpInside,
                           [this](platform::ui::Control& sender) { closeButtonTapped(sender); });
    const auto table = tableView.lock();
    table->setDataSource(page);
    table->setDelegate(page);
}

void CreateTransactionPickGroupViewController::viewDidLayoutSubviews()
{
    // The list starts a little below the bar, as grouped lists do, so the first row does
    // not read as part of the bar.
    const auto content = SignerSetupPageLayout::layout(*this, *statusBarView, *topBar);
    tableView.lock()->setFrame(platform::graphics::makeRect(content.minX(), content.minY() + listTopGap, content.width(),
                                                            std::max(0.0, content.height() - listTopGap)));
}

int CreateTransactionPickGroupViewController::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(groupList.size());
}

platform::ui::TableViewCellPtr CreateTransactionPickGroupViewController::cellForRow(platform::ui::TableView& table,
                                                                                   const IndexPath& indexPath)
{
    const auto row = std::dynamic_pointer_cast<Cell>(table.dequeueReusableCell(Cell::cellIdentifier, indexPath));
    if (!row || indexPath.row >= static_cast<int>(groupList.size())) {
        return std::make_shared<platform::ui::TableViewCell>();
    }
    const auto& group = groupList[static_cast<std::size_t>(indexPath.row)];
    row->groupNameLabel.lock()->setText(group->groupName());
    row->groupEmailLabel.lock()->setText(group->groupEmail());
    const auto checkmark = row->checkmarkLabel.lock();
    checkmark->setText(std::string(checkmarkGlyph));
    checkmark->setHidden(selectedGroupIndex != indexPath.row);
    row->setDelegate(self());
    return row;
}

std::optional<double> CreateTransactionPickGroupViewController::heightForRow(platform::ui::TableView&,
                                                                             const IndexPath&)
{
    return rowHeight;
}

void CreateTransactionPickGroupViewController::showCheckmark(int row, bool shown) const
{
    if (const auto cell = std::dynamic_pointer_cast<Cell>(tableView.lock()->cellForRow({0, row}))) {
        cell->checkmarkLabel.lock()->setHidden(!shown);
    }
}

void CreateTransactionPickGroupViewController::createTransactionGroupCell_userDidTapCell(Cell& cell)
{
    if (selectedGroupIndex) {
        showCheckmark(*selectedGroupIndex, false);
    }
    const auto indexPath = tableView.lock()->indexPathForCell(cell);
    if (indexPath && indexPath->row < static_cast<int>(groupList.size())) {
        selectedGroupIndex = indexPath->row;
        showCheckmark(indexPath->row, true);
        handOver(groupList[static_cast<std::size_t>(indexPath->row)]);
    }
    performSegue(SignerSetupScenes::fromGroupsPageSegue, shared_from_this());
}

void CreateTransactionPickGroupViewController::handOver(const std::shared_ptr<ZKGroup>& group) const
{
    const auto opener = delegate();
    if (!opener) {
        return;
    }
    opener->setSelectedGroup(group);
    opener->setSignerType(CreateTransactionSignerType::group);
    opener->updateUIForSignerType(CreateTransactionSignerType::group);
    opener->populateUIForSelectedGroup();
    opener->manageAddButtonAvailability();
}

void CreateTransactionPickGroupViewController::closeButtonTapped(platform::ui::Control&)
{
    performSegue(SignerSetupScenes::fromGroupsPageSegue, shared_from_this());
}
