#include "designer/screens/ZKDateInputSettingsViewController.h"

#include "designer/screens/ZKFieldSettingsListCell.h"
#include "designer/screens/ZKFieldSettingsLook.h"
#include "designer/screens/ZKFieldSettingsSave.h"
#include "fields/ZKElementView.h"
#include "foundation/Date.h"
#include "foundation/DateFormatter.h"
#include "foundation/Text.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"
#include "support/ZKUtil.h"
#include "ui/Screen.h"

#include <algorithm>
#include <optional>

using platform::graphics::makeRect;
using platform::ui::IndexPath;

namespace {

constexpr double exampleHeight = 30;

std::shared_ptr<ZKElement> elementOf(const std::weak_ptr<ZKElementView>& view)
{
    const auto field = view.lock();
    return field ? field->element() : nullptr;
}

std::optional<int> rowOfPattern(const std::string& pattern)
{
    const auto& patterns = ZKDateInputSettingsViewController::patterns;
    const auto found = std::find(patterns.begin(), patterns.end(), pattern);
    if (found == patterns.end()) {
        return std::nullopt;
    }
    return static_cast<int>(found - patterns.begin());
}

} // namespace

// Views

void ZKDateInputSettingsViewController::loadView()
{
    auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(ZKFieldSettingsLook::background());
    auto strip = std::make_shared<platform::ui::View>();
    strip->setBackgroundColor(ZKFieldSettingsLook::bar());
    topBar_ = std::make_shared<ZKFieldSettingsTopBar>(localizableKey("Date Field Settings"));
    doneBtn = topBar_->saveButton();
    auto message = std::make_shared<platform::ui::Label>();
    message->setHidden(true);
    makeBody(*root);
    root->addSubview(strip);
    root->addSubview(topBar_);
    root->addSubview(message);
    statusBar = strip;
    errorLabel = message;
    setView(root);
}

void ZKDateInputSettingsViewController::makeBody(platform::ui::View& root)
{
    body_ = std::make_shared<platform::ui::ScrollView>();
    formatListTableView = std::make_shared<platform::ui::TableView>(platform::ui::TableViewStyle::plain);
    formatListTableView->registerCell(cellIdentifier,
                                      [] { return std::make_shared<ZKFieldSettingsListCell>(cellIdentifier); });
    ZKFieldSettingsForm::frameAsEntry(*formatListTableView);
    formatListTableView->setClipsToBounds(true);
    // As tall as its rows: a drag on it scrolls the form.
    formatListTableView->setScrollEnabled(false);
    dateExample = std::make_shared<platform::ui::Label>();
    dateExample->setFont(ZKFieldSettingsLook::bodyFont());
    dateExample->setTextColor(ZKFieldSettingsLook::caption());
    form_ = std::make_unique<ZKFieldSettingsForm>(body_);
    form_->addEntry(localizableKey("Name"), fieldName, ZKFieldSettingsForm::textFieldHeight);
    form_->addSwitch(localizableKey("Required"), isRequiredSwitch);
    form_->addEntry(localizableKey("Date Format"), formatListTableView,
                    static_cast<double>(patterns.size()) * platform::ui::TableView::defaultRowHeight);
    form_->addEntry(localizableKey("Example"), dateExample, exampleHeight);
    root.addSubview(body_);
}

void ZKDateInputSettingsViewController::viewDidLayoutSubviews()
{
    ZKElementViewSettingsViewController::viewDidLayoutSubviews();
    const auto bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    statusBar.lock()->setFrame(makeRect(0, 0, bounds.width(), top));
    topBar_->setFrame(makeRect(0, top, bounds.width(), ZKFieldSettingsTopBar::height));
    const double bodyTop = top + ZKFieldSettingsTopBar::height;
    body_->setFrame(makeRect(0, bodyTop, bounds.width(), std::max(0.0, bounds.height() - bodyTop)));
    body_->setContentSize({bounds.width(), form_->layout(16, bounds.width())});
}

// Loading and filling

void ZKDateInputSettingsViewController::viewDidLoad()
{
    ZKElementViewSettingsViewController::viewDidLoad();
    wireActions();
    if (!ZKUtil::isiPhoneX()) {
        statusBar.lock()->setBackgroundColor(platform::graphics::Color::black());
    }
    ZKTracker::reportScreen(screenNameReported);
}

void ZKDateInputSettingsViewController::wireActions()
{
    const auto self = shared_from_this();
    topBar_->cancelButton()->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                                       [this](platform::ui::Control& sender) { closeBtnAction(sender); });
    doneBtn->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                       [this](platform::ui::Control& sender) { saveButtonTapped(sender); });
    const auto screen = std::static_pointer_cast<ZKDateInputSettingsViewController>(self);
    fieldName->setDelegate(screen);
    formatListTableView->setDataSource(screen);
    formatListTableView->setDelegate(screen);
}

void ZKDateInputSettingsViewController::viewWillAppear(bool animated)
{
    ZKElementViewSettingsViewController::viewWillAppear(animated);
    fillControls();
}

void ZKDateInputSettingsViewController::fillControls()
{
    const auto field = elementOf(elementView);
    formatListTableView->reloadData();
    if (!field) {
        return;
    }
    // The generated name (equal to the ident) is not shown.
    fieldName->setText(field->name() == field->ident() ? std::string() : field->name());
    const auto& validation = field->validation();
    const auto stored = validation ? validation->pattern().value_or("") : std::string();
    const auto pattern = stored.empty() ? std::string(patterns.front()) : stored;
    dateExample->setText(dateExampleForFormat(pattern));
    const auto row = rowOfPattern(pattern);
    formatListTableView->selectRow(row ? std::optional<IndexPath>(IndexPath{0, *row}) : std::nullopt, false,
                                   platform::ui::TableScrollPosition::none);
    isRequiredSwitch->setOn(validation && validation->required());
}

std::string ZKDateInputSettingsViewController::dateExampleForFormat(const std::string& pattern)
{
    return "e.g " + platform::DateFormatter(pattern).format(platform::Date::now());
}

// Actions

void ZKDateInputSettingsViewController::doneBtnAction(platform::ui::Control&)
{
    ZKTracker::reportEvent("Save button");
    if (const auto field = elementOf(elementView)) {
        field->initializeValidationIfNeeded();
        ZKFieldSettingsSave save(field);
        field->setName(platform::text::trimSpacesAndTabs(fieldName->text()));
        const auto& validation = field->validation();
        validation->setRequired(isRequiredSwitch->isOn());
        const auto selected = formatListTableView->indexPathForSelectedRow();
        validation->setPattern(patterns.at(selected ? static_cast<std::size_t>(selected->row) : 0));
        if (!save.store()) {
            return;
        }
    }
    unwindNavigation();
}

void ZKDateInputSettingsViewController::closeBtnAction(platform::ui::Control&)
{
    ZKTracker::reportEvent("Cancel button");
    unwindNavigation();
}

void ZKDateInputSettingsViewController::unwindNavigation()
{
    const auto keepAlive = shared_from_this();
    performSegue(unwindSegueIdentifier, nullptr);
}

// Table

int ZKDateInputSettingsViewController::numberOfRows(platform::ui::TableView&, int)
{
    return static_cast<int>(patterns.size());
}

platform::ui::TableViewCellPtr ZKDateInputSettingsViewController::cellForRow(platform::ui::TableView& table,
                                                                             const IndexPath& indexPath)
{
    auto cell = table.dequeueReusableCell(cellIdentifier, indexPath);
    cell->textLabel()->setText(patterns.at(static_cast<std::size_t>(indexPath.row)));
    cell->textLabel()->setFont(ZKFieldSettingsLook::bodyFont());
    return cell;
}

void ZKDateInputSettingsViewController::didSelectRow(platform::ui::TableView&, const IndexPath& indexPath)
{
    if (indexPath.row >= 0 && indexPath.row < static_cast<int>(patterns.size())) {
        dateExample->setText(dateExampleForFormat(patterns.at(static_cast<std::size_t>(indexPath.row))));
    }
}
