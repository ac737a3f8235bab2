#include "designer/screens/ZKRadioButtonSettingsVC.h"

#include "designer/screens/ZKFieldSettingsForm.h"
#include "designer/screens/ZKFieldSettingsSave.h"
#include "designer/screens/ZKFieldSettingsLook.h"
#include "designer/screens/ZKRadioGroupSettingsVC.h"
#include "fields/ZKRadio.h"
#include "foundation/Text.h"
#include "graphics/DrawingContext.h"
#include "model/ZKDocument.h"
#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "sdk/screens/VTIconFontPainter.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"
#include "ui/NavigationController.h"
#include "ui/StoryboardSegue.h"

#include <algorithm>

using platform::graphics::makeRect;
using platform::ui::Control;
using platform::ui::ControlEvent;

namespace {

constexpr double groupRowInset = 12;

// Lays the group's name and the arrow button over the whole row.
class GroupRow : public platform::ui::View {
public:
    GroupRow(std::shared_ptr<platform::ui::Label> name, std::shared_ptr<platform::ui::Button> arrow)
        : name_(std::move(name)), arrow_(std::move(arrow))
    {
        addSubview(name_);
        addSubview(arrow_);
    }

    void layoutSubviews() override
    {
        const auto area = bounds();
        // The name lines up with the caption above the row, as typed text does.
        const double left = ZKFieldSettingsForm::textInset;
        name_->setFrame(makeRect(left, 0, std::max(0.0, area.width() - left - 3 * groupRowInset), area.height()));
        arrow_->setFrame(area);
    }

    // The arrow button's title is empty once another group than "default" is shown; the
    // row still opens the group list, so it keeps its chevron.
    void draw(platform::graphics::DrawingContext& context) const override
    {
        View::draw(context);
        if (!arrow_->title().value_or("").empty()) {
            return;
        }
        platform::graphics::TextStyle style;
        style.font = arrow_->titleLabel()->font();
        style.color = arrow_->titleColor();
        style.alignment = platform::graphics::TextAlignment::right;
        context.drawText(ZKRadioButtonSettingsVC::arrowGlyph, arrow_->titleLabel()->frame(), style);
    }

private:
    std::shared_ptr<platform::ui::Label> name_;
    std::shared_ptr<platform::ui::Button> arrow_;
};

// Empty or spaces only.
bool isBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' '; });
}

} // namespace

// Views

void ZKRadioButtonSettingsVC::makeControls(ZKFieldSettingsForm& form)
{
    removeButton = ZKFieldSettingsForm::makeClearButton();
    removeButton->setTitle(localizedSDK("Remove"));
    form.addEntry(localizableKey("Name"), nameTextField, ZKFieldSettingsForm::textFieldHeight);
    form.addSwitch(localizableKey("Checked by Default"), defaultValueSwitch);
    form.addSwitch(localizableKey("Required"), isRequiredSwitch);
    form.addEntry(localizableKey("Group"), makeGroupRow(), ZKFieldSettingsForm::textFieldHeight, removeButton);
}

std::shared_ptr<platform::ui::View> ZKRadioButtonSettingsVC::makeGroupRow()
{
    radioGroupNameLabel = std::make_shared<platform::ui::Label>();
    radioGroupNameLabel->setFont(ZKFieldSettingsLook::bodyFont());
    radioGroupNameLabel->setText(defaultGroup);
    arrowRightButton = std::make_shared<platform::ui::Button>();
    arrowRightButton->setTitleColor(ZKFieldSettingsLook::caption());
    arrowRightButton->titleLabel()->setFont(platform::graphics::Font(VTIconFontPainter::family, 18));
    arrowRightButton->titleLabel()->setTextAlignment(platform::graphics::TextAlignment::right);
    auto row = std::make_shared<GroupRow>(radioGroupNameLabel, arrowRightButton);
    ZKFieldSettingsForm::frameAsEntry(*row);
    return row;
}

void ZKRadioButtonSettingsVC::viewDidLoad()
{
    wireControls();
    ZKFieldSettingsFormViewController::viewDidLoad();
    registerUnwindAction(unwindFromGroupsAction, [weak = weak_from_this()](platform::ui::StoryboardSegue& segue) {
        if (const auto self = std::static_pointer_cast<ZKRadioButtonSettingsVC>(weak.lock())) {
            self->unwindToRadioSettingsVC(segue);
        }
    });
    arrowRightButton->setHidden(false);
}

void ZKRadioButtonSettingsVC::wireControls()
{
    const auto self = shared_from_this();
    nameTextField->addTarget(self, ControlEvent::editingDidBegin, [this](Control& sender) { nameEditingDidBegin(sender); });
    nameTextField->addTarget(self, ControlEvent::primaryActionTriggered,
                             [this](Control& sender) { returnButtonTapped(sender); });
    arrowRightButton->addTarget(self, ControlEvent::touchUpInside,
                                [this](Control& sender) { arrowRightButtonTapped(sender); });
    removeButton->addTarget(self, ControlEvent::touchUpInside, [this](Control& sender) { removeButtonTapped(sender); });
}

void ZKRadioButtonSettingsVC::viewWillAppear(bool animated)
{
    ZKFieldSettingsFormViewController::viewWillAppear(animated);
    // The screen's own top bar takes the place of the navigation bar.
    if (const auto navigation = navigationController()) {
        navigation->setNavigationBarHidden(true, false);
    }
}

// Filling

void ZKRadioButtonSettingsVC::populateFields()
{
    const auto field = element();
    if (!field) {
        return;
    }
    // Elements from the service may come without a validation record; the group the
    // button starts in is written into one.
    field->initializeValidationIfNeeded();
    const auto& validation = field->validation();
    if (validation->enumeration().empty()) {
        validation->setEnumeration({defaultGroup});
        validation->saveUpdates();
    }
    isRequiredSwitch->setOn(validation->required());
    defaultValueSwitch->setOn(!field->content().empty());
    nameTextField->setText(field->name());
    const auto& group = validation->enumeration().front();
    radioGroupNameLabel->setText(isBlank(group) ? defaultGroup : group);
    offerGroupsOf(*field);
    manageGroupButtons();
}

void ZKRadioButtonSettingsVC::offerGroupsOf(const ZKElement& element)
{
    const auto document = element.document();
    *groups = ZKElement::radioButtonGroupNamesForSignatureWithIdentForDocumentWithIdent(
        element.approval().value_or(""), document ? document->ident() : "");
    if (std::find(groups->begin(), groups->end(), defaultGroup) == groups->end()) {
        groups->insert(groups->begin(), defaultGroup);
    }
}

std::string ZKRadioButtonSettingsVC::shownGroup() const
{
    return radioGroupNameLabel->text().value_or("");
}

void ZKRadioButtonSettingsVC::manageGroupButtons()
{
    const bool isDefault = platform::text::toLower(shownGroup()) == defaultGroup;
    removeButton->setHidden(isDefault);
    arrowRightButton->setTitle(std::string(isDefault ? arrowGlyph : ""));
}

int ZKRadioButtonSettingsVC::indexForRadioGroupName(const std::string& name) const
{
    const auto lowered = platform::text::toLower(name);
    for (std::size_t index = 0; index < groups->size(); ++index) {
        if (platform::text::toLower((*groups)[index]) == lowered) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

// Actions

void ZKRadioButtonSettingsVC::saveButtonTapped(Control&)
{
    ZKTracker::reportEvent("Save button");
    const auto field = element();
    if (!field) {
        unwindToHub();
        return;
    }
    field->initializeValidationIfNeeded();
    ZKFieldSettingsSave save(field);
    const auto& validation = field->validation();
    validation->setEnumeration({shownGroup()});
    validation->setRequired(isRequiredSwitch->isOn());
    // An empty field leaves the button without a name.
    field->setName(nameTextField->text());
    // Written last, the content stores the button with every other value at once.
    const bool checked = defaultValueSwitch->isOn();
    field->updateContent(checked ? checkedContent : "");
    if (!save.store()) {
        return;
    }
    const auto radio = std::dynamic_pointer_cast<ZKRadio>(elementView.lock());
    if (radio) {
        radio->update();
    }
    if (radio && checked) {
        radio->uncheckOtherRadiosFromGroup();
    }
    unwindToHub();
}

void ZKRadioButtonSettingsVC::arrowRightButtonTapped(Control&)
{
    performSegue(groupsSegueIdentifier, shared_from_this());
}

void ZKRadioButtonSettingsVC::removeButtonTapped(Control&)
{
    radioGroupNameLabel->setText(defaultGroup);
    manageGroupButtons();
}

void ZKRadioButtonSettingsVC::returnButtonTapped(Control& sender)
{
    sender.resignFirstResponder();
}

void ZKRadioButtonSettingsVC::nameEditingDidBegin(Control&)
{
    updateField = true;
}

// The group list

void ZKRadioButtonSettingsVC::prepareForSegue(platform::ui::StoryboardSegue& segue, const std::shared_ptr<void>&)
{
    if (segue.identifier() != groupsSegueIdentifier) {
        return;
    }
    const auto list = std::dynamic_pointer_cast<ZKRadioGroupSettingsVC>(segue.destination());
    if (!list) {
        return;
    }
    list->radioGroups = groups;
    list->selectedGroupIndex = indexForRadioGroupName(shownGroup());
    list->delegate = std::static_pointer_cast<ZKRadioButtonSettingsVC>(shared_from_this());
}

void ZKRadioButtonSettingsVC::unwindToRadioSettingsVC(platform::ui::StoryboardSegue&)
{
    manageGroupButtons();
}

void ZKRadioButtonSettingsVC::userDidSelectGroup(const std::string& name)
{
    radioGroupNameLabel->setText(name);
    const auto field = element();
    if (!field) {
        return;
    }
    field->initializeValidationIfNeeded();
    field->validation()->setEnumeration({name});
    field->validation()->saveUpdates();
}

void ZKRadioButtonSettingsVC::userDidDeleteGroupAtIndex(int)
{
}

void ZKRadioButtonSettingsVC::userDidAddNewGroup(const std::string&)
{
}
