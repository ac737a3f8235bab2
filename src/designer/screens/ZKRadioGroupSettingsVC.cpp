#include "designer/screens/ZKRadioGroupSettingsVC.h"

#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKFieldSettingsLook.h"
#include "designer/screens/ZKRadioGroupTableViewCell.h"
#include "foundation/RunLoop.h"
#include "foundation/Text.h"
#include "support/LocalizedSDK.h"
#include "support/ZKUtil.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"

#include <algorithm>

using platform::graphics::makeRect;
using platform::ui::IndexPath;
using platform::ui::View;

namespace {

constexpr double margin = 16;

} // namespace

void ZKRadioGroupSettingsVC::loadView()
{
    auto root = std::make_shared<View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(ZKFieldSettingsLook::background());
    auto strip = std::make_shared<View>();
    strip->setBackgroundColor(ZKFieldSettingsLook::bar());
    topBar_ = std::make_shared<ZKFieldSettingsTopBar>(localizableKey("Radio Groups"));
    topBar_->saveButton()->setHidden(true);
    auto field = ZKFieldSettingsForm::makeTextField(1);
    field->setPlaceholder(localizedSDK("New group"));
    auto table = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    table->setBackgroundColor(ZKFieldSettingsLook::background());
    table->registerCell(ZKRadioGroupTableViewCell::identifier,
                        [] { return std::make_shared<ZKRadioGroupTableViewCell>(); });
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{strip, topBar_, field, table}) {
        root->addSubview(view);
    }
    statusBar = strip;
    radioGroupTextField = field;
    tableView = table;
    setView(root);
}

void ZKRadioGroupSettingsVC::viewDidLoad()
{
    const auto self = shared_from_this();
    topBar_->cancelButton()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                       [this](platform::ui::Control& sender) { closeButtonTapped(sender); });
    radioGroupTextField.lock()->addTarget(self, platform::ui::ControlEvent::primaryActionTriggered,
                                          [this](platform::ui::Control& sender) { returnButtonTapped(sender); });
    const auto table = tableView.lock();
    const auto list = std::static_pointer_cast<ZKRadioGroupSettingsVC>(self);
    table->setDataSource(list);
    table->setDelegate(list);
    if (!ZKUtil::isiPhoneX()) {
        statusBar.lock()->setBackgroundColor(platform::graphics::Color::black());
    }
}

void ZKRadioGroupSettingsVC::viewDidLayoutSubviews()
{
    const auto bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    statusBar.lock()->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar_->setFrame(makeRect(0, top, bounds.width(), ZKFieldSettingsTopBar::height));
    const double side = ZKFieldSettingsForm::sideMargin(bounds.width());
    const double fieldTop = top + ZKFieldSettingsTopBar::height + margin;
    radioGroupTextField.lock()->setFrame(
        makeRect(side, fieldTop, std::max(0.0, bounds.width() - 2 * side), ZKFieldSettingsForm::textFieldHeight));
    const double tableTop = fieldTop + ZKFieldSettingsForm::textFieldHeight + margin;
    tableView.lock()->setFrame(makeRect(0, tableTop, bounds.width(), std::max(0.0, bounds.height() - tableTop)));
    // The list may be shown in a rounded container; its corners stay square.
    if (const auto navigation = navigationController()) {
        if (const auto container = navigation->view()->superview()) {
            container->layer().setCornerRadius(0);
        }
    }
}

// Adding, picking, leaving

void ZKRadioGroupSettingsVC::returnButtonTapped(platform::ui::Control&)
{
    const auto field = radioGroupTextField.lock();
    // Tabs count as blanks too: a name of them would be trimmed to an empty group.
    const auto name = platform::text::trimSpacesAndTabs(field->text());
    if (name.empty()) {
        return;
    }
    if (groupNameAlreadyExists(name)) {
        field->setText("");
        return;
    }
    radioGroups->push_back(name);
    const auto listener = delegate.lock();
    if (listener) {
        listener->userDidAddNewGroup(name);
    }
    field->setText("");
    tableView.lock()->reloadData();
    if (listener) {
        listener->userDidSelectGroup(radioGroups->back());
    }
    unwindToRadioSettings();
}

bool ZKRadioGroupSettingsVC::groupNameAlreadyExists(const std::string& name) const
{
    const auto lowered = platform::text::toLower(name);
    return std::any_of(radioGroups->begin(), radioGroups->end(),
                       [&](const std::string& group) { return platform::text::toLower(group) == lowered; });
}

void ZKRadioGroupSettingsVC::closeButtonTapped(platform::ui::Control&)
{
    unwindToRadioSettings();
}

void ZKRadioGroupSettingsVC::unwindToRadioSettings()
{
    const auto keepAlive = shared_from_this();
    performSegue(unwindSegueIdentifier, keepAlive);
}

// Table

int ZKRadioGroupSettingsVC::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(radioGroups->size());
}

platform::ui::TableViewCellPtr ZKRadioGroupSettingsVC::cellForRow(platform::ui::TableView& table,
                                                                  const IndexPath& indexPath)
{
    auto cell = std::static_pointer_cast<ZKRadioGroupTableViewCell>(
        table.dequeueReusableCell(ZKRadioGroupTableViewCell::identifier, indexPath));
    cell->setDelegate(std::static_pointer_cast<ZKRadioGroupSettingsVC>(shared_from_this()));
    cell->configure(radioGroups->at(static_cast<std::size_t>(indexPath.row)), indexPath.row == selectedGroupIndex,
                    indexPath);
    return cell;
}

std::optional<double> ZKRadioGroupSettingsVC::heightForRow(platform::ui::TableView&, const IndexPath&)
{
    return rowHeight;
}

void ZKRadioGroupSettingsVC::didSelectRow(platform::ui::TableView&, const IndexPath& indexPath)
{
    if (!holdsRow(indexPath.row)) {
        return;
    }
    if (const auto listener = delegate.lock()) {
        listener->userDidSelectGroup(radioGroups->at(static_cast<std::size_t>(indexPath.row)));
    }
    unwindToRadioSettings();
}

void ZKRadioGroupSettingsVC::cellDeletionRequestedForCellAtIndexPath(const IndexPath& indexPath)
{
    // A row still sliding out, or asked for after the list shrank, deletes nothing.
    if (!holdsRow(indexPath.row)) {
        return;
    }
    radioGroups->erase(radioGroups->begin() + indexPath.row);
    const auto table = tableView.lock();
    table->deleteRows({indexPath}, platform::ui::TableRowAnimation::left);
    platform::RunLoop::main().dispatchAfter(reloadDelayAfterDeletion, [weak = tableView] {
        if (const auto owner = weak.lock()) {
            owner->reloadData();
        }
    });
    if (const auto listener = delegate.lock()) {
        listener->userDidDeleteGroupAtIndex(indexPath.row);
    }
}

bool ZKRadioGroupSettingsVC::holdsRow(int row) const
{
    return row >= 0 && row < static_cast<int>(radioGroups->size());
}
