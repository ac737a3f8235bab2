#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"

#include "composer/QuestionAndAnswerRules.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionUtil.h"
#include "signers/screens/SignerAuthenticationHandBack.h"
#include "signers/screens/SignerSetupScenes.h"
#include "signers/screens/SignerSetupSwitchRow.h"
#include "signers/screens/SignerSetupTextBox.h"
#include "support/LocalizedSDK.h"
#include "support/ZKColor.h"
#include "support/ZKTracker.h"

using platform::ui::Control;
using platform::ui::ControlEvent;
using platform::ui::TextField;
using Rules = QuestionAndAnswerRules;

namespace {

// A field's text for the model's check: blank counts as not given.
std::optional<std::string> givenText(const TextField& field)
{
    const auto& text = field.text();
    if (CreateTransactionUtil::stringIsEmpty(text)) {
        return std::nullopt;
    }
    return text;
}

} // namespace

CreateTransactionSignerAuthenticationMethodQAPage::CreateTransactionSignerAuthenticationMethodQAPage()
    : SignerSetupFormPage(localizedSDK("Q&A"))
{
}

// Views

void CreateTransactionSignerAuthenticationMethodQAPage::makeForm(platform::ui::ScrollView& form)
{
    firstPairCaption_ = makeCaption(localizedSDK("First question"));
    question1Box_ = std::make_shared<SignerSetupTextBox>(localizedSDK("Question"));
    answer1Box_ = std::make_shared<SignerSetupTextBox>(localizedSDK("Answer"));
    mask1Row_ = std::make_shared<SignerSetupSwitchRow>(localizedSDK("Mask the answer"));
    secondPairCaption_ = makeCaption(localizedSDK("Second question (optional)"));
    question2Box_ = std::make_shared<SignerSetupTextBox>(localizedSDK("Question"));
    answer2Box_ = std::make_shared<SignerSetupTextBox>(localizedSDK("Answer"));
    mask2Row_ = std::make_shared<SignerSetupSwitchRow>(localizedSDK("Mask the answer"));
    for (const auto& item : formItems()) {
        form.addSubview(item.view);
    }
    maskAnswer1Switch = mask1Row_->switchControl();
    maskAnswer2Switch = mask2Row_->switchControl();
    question1View = question1Box_;
    question1ErrorIndicator = question1Box_->indicator();
    question1TextField = question1Box_->textField();
    answer1View = answer1Box_;
    answer1ErrorIndicator = answer1Box_->indicator();
    answer1TextField = answer1Box_->textField();
    question2View = question2Box_;
    question2ErrorIndicator = question2Box_->indicator();
    question2TextField = question2Box_->textField();
    answer2View = answer2Box_;
    answer2ErrorIndicator = answer2Box_->indicator();
    answer2TextField = answer2Box_->textField();
}

std::vector<SignerSetupColumn::Item> CreateTransactionSignerAuthenticationMethodQAPage::formItems() const
{
    return {{firstPairCaption_, SignerSetupColumn::kCaptionHeight, SignerSetupColumn::kSectionSpace},
            {question1Box_, SignerSetupTextBox::kHeight, SignerSetupColumn::kFieldSpace},
            {answer1Box_, SignerSetupTextBox::kHeight, SignerSetupColumn::kFieldSpace},
            {mask1Row_, SignerSetupSwitchRow::kHeight, SignerSetupColumn::kFieldSpace},
            {secondPairCaption_, SignerSetupColumn::kCaptionHeight, SignerSetupColumn::kSectionSpace},
            {question2Box_, SignerSetupTextBox::kHeight, SignerSetupColumn::kFieldSpace},
            {answer2Box_, SignerSetupTextBox::kHeight, SignerSetupColumn::kFieldSpace},
            {mask2Row_, SignerSetupSwitchRow::kHeight, SignerSetupColumn::kFieldSpace}};
}

std::array<CreateTransactionSignerAuthenticationMethodQAPage::Entry, 4>
CreateTransactionSignerAuthenticationMethodQAPage::entries() const
{
    return {Entry{question1View, question1ErrorIndicator, question1TextField},
            Entry{answer1View, answer1ErrorIndicator, answer1TextField},
            Entry{question2View, question2ErrorIndicator, question2TextField},
            Entry{answer2View, answer2ErrorIndicator, answer2TextField}};
}

// Loading

void CreateTransactionSignerAuthenticationMethodQAPage::viewDidLoad()
{
    addButton.lock()->setHidden(true);
    populateUIInfo();
    wireActions();
    hideErrorIndicators();
    for (const auto& entry : entries()) {
        entry.errorIndicator.lock()->setBackgroundColor(ZKColor::error());
    }
    paintStatusBar();
    ZKTracker::reportScreen("Q&A Auth Page");
}

void CreateTransactionSignerAuthenticationMethodQAPage::wireActions()
{
    const auto page = shared_from_this();
    wireFormActions([this](Control& sender) { addButtonTapped(sender); },
                    [this](Control& sender) { backButtonTapped(sender); });
    for (const auto& toggle : {maskAnswer1Switch, maskAnswer2Switch}) {
        toggle.lock()->addTarget(page, ControlEvent::valueChanged,
                                 [this](Control& sender) { switchValueChanged(sender); });
    }
    for (const auto& entry : entries()) {
        const auto field = entry.textField.lock();
        field->addTarget(page, ControlEvent::editingChanged,
                         [this](Control& sender) { tetxFieldInfoDidChange(sender); });
        field->addTarget(page, ControlEvent::primaryActionTriggered,
                         [this](Control& sender) { returnButtonTapped(sender); });
    }
}

void CreateTransactionSignerAuthenticationMethodQAPage::populateUIInfo()
{
    addButton.lock()->setHidden(true);
    if (!authenticationMethod_) {
        return;
    }
    if (const auto* pairs = authenticationMethod_->as<SignerAuthenticationMethod::QuestionAndAnswer>()) {
        fill(*pairs);
    } else {
        fill({});
    }
    addButton.lock()->setTitle("C");
}

void CreateTransactionSignerAuthenticationMethodQAPage::fill(const SignerAuthenticationMethod::QuestionAndAnswer& pairs)
{
    question1TextField.lock()->setText(pairs.q1.value_or(""));
    answer1TextField.lock()->setText(pairs.ans1.value_or(""));
    question2TextField.lock()->setText(pairs.q2.value_or(""));
    answer2TextField.lock()->setText(pairs.ans2.value_or(""));
    maskAnswer1Switch.lock()->setOn(pairs.maskAns1);
    maskAnswer2Switch.lock()->setOn(pairs.maskAns2);
}

// Editing

void CreateTransactionSignerAuthenticationMethodQAPage::switchValueChanged(Control&)
{
    addButton.lock()->setHidden(false);
    view()->endEditing(true);
}

void CreateTransactionSignerAuthenticationMethodQAPage::tetxFieldInfoDidChange(Control&)
{
    addButton.lock()->setHidden(false);
}

void CreateTransactionSignerAuthenticationMethodQAPage::returnButtonTapped(Control& sender)
{
    if (&sender == question1TextField.lock().get()) {
        answer1TextField.lock()->becomeFirstResponder();
        return;
    }
    if (&sender == question2TextField.lock().get()) {
        answer2TextField.lock()->becomeFirstResponder();
        return;
    }
    sender.resignFirstResponder();
}

// Add and Back

void CreateTransactionSignerAuthenticationMethodQAPage::addButtonTapped(Control&)
{
    const auto fields = entries();
    const int code = VLTNewTransactionViewModel::sharedInstance()->validateQuestion1Answer1Question2Answer2(
        givenText(*fields[0].textField.lock()), givenText(*fields[1].textField.lock()),
        givenText(*fields[2].textField.lock()), givenText(*fields[3].textField.lock()));
    showValidationResult(code);
    if (code == Rules::kAccepted) {
        handBack();
    }
}

void CreateTransactionSignerAuthenticationMethodQAPage::showValidationResult(int code)
{
    const auto fields = entries();
    switch (code) {
    case Rules::kAccepted:
        hideErrorIndicators();
        return;
    case Rules::kFirstQuestionEmpty:
    case Rules::kFirstAnswerEmpty:
    case Rules::kSecondQuestionEmpty:
    case Rules::kSecondAnswerEmpty:
        hideErrorIndicators();
        markAndShake(fields[static_cast<std::size_t>(code - Rules::kFirstQuestionEmpty)]);
        return;
    case Rules::kAllEmpty:
        hideErrorIndicators();
        for (const auto& field : fields) {
            markAndShake(field);
        }
        addButton.lock()->setHidden(true);
        return;
    default:
        return;
    }
}

void CreateTransactionSignerAuthenticationMethodQAPage::hideErrorIndicators()
{
    for (const auto& entry : entries()) {
        entry.errorIndicator.lock()->setHidden(true);
    }
}

void CreateTransactionSignerAuthenticationMethodQAPage::markAndShake(const Entry& entry)
{
    entry.errorIndicator.lock()->setHidden(false);
    CreateTransactionUtil::animateShakeWithDurationForView(*entry.view.lock(), kShakeDuration, kShakeMovement, nullptr);
}

void CreateTransactionSignerAuthenticationMethodQAPage::handBack()
{
    const SignerAuthenticationMethod pairs = SignerAuthenticationMethod::QuestionAndAnswer{
        question1TextField.lock()->text(), answer1TextField.lock()->text(), maskAnswer1Switch.lock()->isOn(),
        question2TextField.lock()->text(), answer2TextField.lock()->text(), maskAnswer2Switch.lock()->isOn()};
    authenticationMethod_ = pairs;
    if (const auto picker = delegate()) {
        picker->setAuthenticationMethod(pairs);
        SignerAuthenticationHandBack::toOpener(picker->delegate(), pairs);
        picker->selectAuthenticationMethodWithQA();
    }
    ZKTracker::reportEvent("Add Q&A authentication");
    performSegue(SignerSetupScenes::fromQAPageSegue, shared_from_this());
}

void CreateTransactionSignerAuthenticationMethodQAPage::backButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::fromQAPageSegue, shared_from_this());
}
