#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"

#include "composer/screens/CreateTransactionUtil.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/SignerAuthenticationChoiceRow.h"
#include "signers/screens/SignerAuthenticationHandBack.h"
#include "signers/screens/SignerSetupScenes.h"
#include "support/LocalizedSDK.h"
#include "support/ZKTracker.h"

using platform::graphics::makeRect;
using platform::ui::Control;
using Method = SignerAuthenticationMethod;

CreateTransactionSignerAuthenticationMethodsPage::CreateTransactionSignerAuthenticationMethodsPage()
    : SignerSetupPage(localizedSDK("Authentication"))
{
    registerUnwindAction(SignerSetupScenes::unwindToAuthenticationMethodsPageAction,
                         [this](platform::ui::StoryboardSegue& segue) {
                             unwindToCreateTransactionAuthenticationMethodsVC(segue);
                         });
}

std::shared_ptr<CreateTransactionSignerAuthenticationMethodsPage> CreateTransactionSignerAuthenticationMethodsPage::self()
{
    return std::static_pointer_cast<CreateTransactionSignerAuthenticationMethodsPage>(shared_from_this());
}

// Views

void CreateTransactionSignerAuthenticationMethodsPage::makeContent(platform::ui::View& root)
{
    emailRow_ = std::make_shared<SignerAuthenticationChoiceRow>(localizedSDK("email"));
    qaRow_ = std::make_shared<SignerAuthenticationChoiceRow>(localizedSDK("Q&A"));
    smsRow_ = std::make_shared<SignerAuthenticationChoiceRow>(localizedSDK("SMS"));
    for (const auto& row : {emailRow_, qaRow_, smsRow_}) {
        root.addSubview(row);
    }
    emailCheckMark = emailRow_->checkMark();
    questionAndAnswerCheckMark = qaRow_->checkMark();
    smsCheckMark = smsRow_->checkMark();
    emailButton = emailRow_->button();
    qaButton = qaRow_->button();
    smsButton = smsRow_->button();
}

void CreateTransactionSignerAuthenticationMethodsPage::layoutContent(const platform::graphics::Rect& area)
{
    double y = area.minY() + kRowsTop;
    for (const auto& row : {emailRow_, qaRow_, smsRow_}) {
        row->setFrame(makeRect(area.minX(), y, area.width(), SignerAuthenticationChoiceRow::kHeight));
        y += SignerAuthenticationChoiceRow::kHeight;
    }
}

// Loading

void CreateTransactionSignerAuthenticationMethodsPage::viewDidLoad()
{
    wireActions();
    updateUI();
    ZKTracker::reportScreen("Recipient Auth Page");
}

void CreateTransactionSignerAuthenticationMethodsPage::wireActions()
{
    const auto page = self();
    const auto wire = [&page](const std::shared_ptr<platform::ui::Button>& button, Control::Action action) {
        button->addTarget(page, platform::ui::ControlEvent::touchUpInside, std::move(action));
    };
    wire(emailButton.lock(), [this](Control& sender) { emailButtonTapped(sender); });
    wire(qaButton.lock(), [this](Control& sender) { qaButtonTapped(sender); });
    wire(smsButton.lock(), [this](Control& sender) { smsButtonTapped(sender); });
    wire(topBar->backButton(), [this](Control& sender) { backButtonTapped(sender); });
}

void CreateTransactionSignerAuthenticationMethodsPage::updateUI()
{
    if (authenticationMethod_.is<Method::QuestionAndAnswer>()) {
        selectAuthenticationMethodWithQA();
    } else if (authenticationMethod_.is<Method::SMS>()) {
        selectAuthenticationMethodWithSMS();
    } else if (authenticationMethod_.is<Method::Email>()) {
        selectAuthenticationMethodWithEmail();
    } else {
        hideCheckMarks();
    }
    paintStatusBar();
}

// Check marks

void CreateTransactionSignerAuthenticationMethodsPage::hideCheckMarks()
{
    for (const auto& mark : {emailCheckMark, questionAndAnswerCheckMark, smsCheckMark}) {
        mark.lock()->setHidden(true);
    }
}

void CreateTransactionSignerAuthenticationMethodsPage::popCheckMark(const std::weak_ptr<platform::ui::Label>& checkMark)
{
    hideCheckMarks();
    CreateTransactionUtil::animatePopWithDurationForView(*checkMark.lock(), kCheckMarkPopDuration, true, nullptr);
}

void CreateTransactionSignerAuthenticationMethodsPage::selectAuthenticationMethodWithEmail()
{
    popCheckMark(emailCheckMark);
}

void CreateTransactionSignerAuthenticationMethodsPage::selectAuthenticationMethodWithQA()
{
    popCheckMark(questionAndAnswerCheckMark);
}

void CreateTransactionSignerAuthenticationMethodsPage::selectAuthenticationMethodWithSMS()
{
    popCheckMark(smsCheckMark);
}

// Actions

void CreateTransactionSignerAuthenticationMethodsPage::emailButtonTapped(Control&)
{
    authenticationMethod_ = Method::Email{};
    SignerAuthenticationHandBack::toOpener(delegate(), authenticationMethod_);
    selectAuthenticationMethodWithEmail();
}

void CreateTransactionSignerAuthenticationMethodsPage::qaButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::toQAPageSegue, self());
}

void CreateTransactionSignerAuthenticationMethodsPage::smsButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::toSMSPageSegue, self());
}

void CreateTransactionSignerAuthenticationMethodsPage::backButtonTapped(Control&)
{
    performSegue(SignerSetupScenes::fromAuthenticationMethodsPageSegue, self());
}

void CreateTransactionSignerAuthenticationMethodsPage::unwindToCreateTransactionAuthenticationMethodsVC(
    platform::ui::StoryboardSegue&)
{
}

void CreateTransactionSignerAuthenticationMethodsPage::prepareForSegue(platform::ui::StoryboardSegue& segue,
                                                                      const std::shared_ptr<void>&)
{
    if (segue.identifier() == SignerSetupScenes::toQAPageSegue) {
        if (const auto page =
                std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodQAPage>(segue.destination())) {
            page->setAuthenticationMethod(authenticationMethod_);
            page->setDelegate(self());
        }
        return;
    }
    if (segue.identifier() == SignerSetupScenes::toSMSPageSegue) {
        if (const auto page =
                std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodSMSPage>(segue.destination())) {
            page->setAuthenticationMethod(authenticationMethod_);
            page->setDelegate(self());
        }
    }
}
