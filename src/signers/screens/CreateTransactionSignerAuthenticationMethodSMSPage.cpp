#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"

#include "composer/CellPhoneNumberRules.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "signers/screens/SignerAuthenticationHandBack.h"
#include "signers/screens/SignerSetupScenes.h"
#include "signers/screens/SignerSetupTextBox.h"
#include "support/LocalizedSDK.h"
#include "support/ZKColor.h"
#include "support/ZKTracker.h"

using platform::ui::Control;
using platform::ui::ControlEvent;

namespace {

constexpr double kErrorHeight = 40;

std::shared_ptr<VLTNewTransactionViewModel> model()
{
    return VLTNewTransactionViewModel::sharedInstance();
}

// The characters of a number that its layout keeps; everything else is layout.
constexpr const char* kNumberCharacters = "0123456789+*#";

// The layout closes a group with ")" and pads it: a backspace that takes away only such
// layout characters would see them come straight back, and the number could never be
// erased. Such a backspace takes the last character of the number with it.
std::string erasingOverLayout(std::string text, const std::string& laidOut)
{
    const bool layoutRemoved = text.size() < laidOut.size() && laidOut.starts_with(text) &&
                               laidOut.find_first_of(kNumberCharacters, text.size()) == std::string::npos;
    const auto lastOfNumber = text.find_last_of(kNumberCharacters);
    if (layoutRemoved && lastOfNumber != std::string::npos) {
        text.erase(lastOfNumber, 1);
    }
    return text;
}

} // namespace

CreateTransactionSignerAuthenticationMethodSMSPage::CreateTransactionSignerAuthenticationMethodSMSPage()
    : SignerSetupFormPage(localizedSDK("SMS"))
{
}

// Views

void CreateTransactionSignerAuthenticationMethodSMSPage::makeForm(platform::ui::ScrollView& form)
{
    caption_ = makeCaption(localizedSDK("Mobile phone number"));
    cellPhoneBox_ = std::make_shared<SignerSetupTextBox>(localizedSDK("+1 555 123 4567"));
    errorLabel_ = std::make_shared<platform::ui::Label>();
    errorLabel_->setTextColor(ZKColor::error());
    errorLabel_->setFont(platform::graphics::Font::systemFont(14));
    errorLabel_->setNumberOfLines(2);
    for (const auto& item : formItems()) {
        form.addSubview(item.view);
    }
    cellPhoneView = cellPhoneBox_;
    cellPhoneStatusIndicator = cellPhoneBox_->indicator();
    cellPhoneTextField = cellPhoneBox_->textField();
    errorLabel = errorLabel_;
}

std::vector<SignerSetupColumn::Item> CreateTransactionSignerAuthenticationMethodSMSPage::formItems() const
{
    return {{caption_, SignerSetupColumn::kCaptionHeight, SignerSetupColumn::kSectionSpace},
            {cellPhoneBox_, SignerSetupTextBox::kHeight, SignerSetupColumn::kFieldSpace},
            {errorLabel_, kErrorHeight, SignerSetupColumn::kFieldSpace}};
}

// Loading

void CreateTransactionSignerAuthenticationMethodSMSPage::viewDidLoad()
{
    wireActions();
    cellPhoneStatusIndicator.lock()->setHidden(true);
    addButton.lock()->setHidden(true);
    populate();
    ZKTracker::reportScreen("SMS Auth Page");
}

void CreateTransactionSignerAuthenticationMethodSMSPage::wireActions()
{
    wireFormActions([this](Control& sender) { addButtonTapped(sender); },
                    [this](Control& sender) { backButtonTapped(sender); });
    const auto page = shared_from_this();
    const auto field = cellPhoneTextField.lock();
    field->addTarget(page, ControlEvent::editingChanged, [this](Control& sender) { textFieldTextDidChange(sender); });
    field->addTarget(page, ControlEvent::editingDidEnd, [this](Control& sender) { textFieldDidEndEditing(sender); });
    field->addTarget(page, ControlEvent::primaryActionTriggered,
                     [this](Control& sender) { returnButtonTapped(sender); });
}

void CreateTransactionSignerAuthenticationMethodSMSPage::populate()
{
    errorLabel.lock()->setText("");
    if (authenticationMethod_) {
        if (const auto* sms = authenticationMethod_->as<SignerAuthenticationMethod::SMS>()) {
            cellPhoneTextField.lock()->setText(sms->phoneNumber.value_or(""));
        }
        addButton.lock()->setTitle("C");
    }
    paintStatusBar();
}

// Checking and laying out the number

bool CreateTransactionSignerAuthenticationMethodSMSPage::validateCellPhoneNumber(bool animateUI)
{
    const auto label = errorLabel.lock();
    label->setText("");
    const int code = model()->validateCellPhoneNumberCountryCode(cellPhoneTextField.lock()->text(), kCountryCode);
    if (code == CellPhoneNumberRules::kAccepted) {
        if (animateUI) {
            showStatus(ZKColor::success());
        }
        return true;
    }
    label->setText(localizedSDK(code == CellPhoneNumberRules::kEmbargoedCountry ? "Country not allowed"
                                                                                : "Wrong phone format"));
    if (animateUI) {
        showStatus(ZKColor::error());
        CreateTransactionUtil::animateShakeWithDurationForView(*cellPhoneView.lock(), kShakeDuration, kShakeMovement,
                                                               nullptr);
    }
    return false;
}

void CreateTransactionSignerAuthenticationMethodSMSPage::showStatus(const platform::graphics::Color& color)
{
    const auto indicator = cellPhoneStatusIndicator.lock();
    indicator->setBackgroundColor(color);
    indicator->setHidden(false);
}

void CreateTransactionSignerAuthenticationMethodSMSPage::showAcceptable(bool acceptable)
{
    addButton.lock()->setHidden(!acceptable);
    if (acceptable) {
        showStatus(ZKColor::success());
        return;
    }
    cellPhoneStatusIndicator.lock()->setHidden(true);
}

void CreateTransactionSignerAuthenticationMethodSMSPage::reformat()
{
    const auto field = cellPhoneTextField.lock();
    field->setText(model()->updatedCellPhoneNumberFromPhoneNumber(field->text()).value_or(""));
    laidOutText_ = field->text();
}

// The embargo is read from the blank after the calling code, and the layout may add
// that blank to a number typed without one: the number goes back as laid out, so the
// layout must pass the embargo as well as the typed text did.
bool CreateTransactionSignerAuthenticationMethodSMSPage::refuseEmbargoedLayout()
{
    if (model()->validateForEmbargoedCountries(cellPhoneTextField.lock()->text()) !=
        CellPhoneNumberRules::kEmbargoedCountry) {
        return false;
    }
    errorLabel.lock()->setText(localizedSDK("Country not allowed"));
    return true;
}

// Editing

void CreateTransactionSignerAuthenticationMethodSMSPage::textFieldTextDidChange(Control&)
{
    const auto field = cellPhoneTextField.lock();
    field->setText(erasingOverLayout(field->text(), laidOutText_));
    const bool typedAcceptable = validateCellPhoneNumber(false);
    reformat();
    showAcceptable(typedAcceptable && !refuseEmbargoedLayout());
}

void CreateTransactionSignerAuthenticationMethodSMSPage::textFieldDidEndEditing(Control&)
{
    const bool acceptable = validateCellPhoneNumber(true);
    addButton.lock()->setHidden(!acceptable);
    if (acceptable) {
        reformat();
    }
}

void CreateTransactionSignerAuthenticationMethodSMSPage::returnButtonTapped(Control& sender)
{
    sender.resignFirstResponder();
}

// Add and Back

void CreateTransactionSignerAuthenticationMethodSMSPage::addButtonTapped(Control&)
{
    const std::string text = cellPhoneTextField.lock()->text();
    if (text.empty()) {
        return;
    }
    handBack(text);
}

void CreateTransactionSignerAuthenticationMethodSMSPage::handBack(const std::string& phoneNumber)
{
    const SignerAuthenticationMethod sms = SignerAuthenticationMethod::SMS{phoneNumber};
    authenticationMethod_ = sms;
    if (const auto picker = delegate()) {
        picker->setAuthenticationMethod(sms);
        SignerAuthenticationHandBack::toOpener(picker->delegate(), sms);
        picker->selectAuthenticationMethodWithSMS();
    }
    ZKTracker::reportEvent("Add SMS authentication");
    performSegue(SignerSetupScenes::fromSMSPageSegue, shared_from_this());
}

void CreateTransactionSignerAuthenticationMethodSMSPage::backButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::fromSMSPageSegue, shared_from_this());
}
