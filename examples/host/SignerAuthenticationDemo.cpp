// How a recipient proves its identity, as a sender chooses it on a phone: one recipient
// gets two security questions (the first try leaves an answer out and is refused),
// another gets a code by SMS to a number typed a digit at a time, laid out as it is
// typed. The picker, the question-and-answer page with its error, the SMS page with the
// formatted number and the recipients afterwards are drawn to PNGs.
#include "DemoRegistry.h"
#include "DemoWalk.h"

#include "composer/screens/CreateTransactionLook.h"
#include "composer/screens/CreateTransactionStoryboard.h"
#include "foundation/RunLoop.h"
#include "sdk/facade/Veltra.h"
#include "signers/SignerAuthenticationMethod.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodQAPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodSMSPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPage.h"
#include "signers/screens/CreateTransactionSignerAuthenticationMethodsPageDelegate.h"
#include "signers/screens/SignerSetupScenes.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using Method = SignerAuthenticationMethod;
using Picker = CreateTransactionSignerAuthenticationMethodsPage;
using platform::graphics::makeRect;

// The host's stand-in for the add/edit recipient page: one line per recipient with its
// method, for whichever recipient is being set up.
class RecipientsPage : public platform::ui::ViewController, public CreateTransactionSignerAuthenticationMethodsPageDelegate {
public:
    struct Recipient {
        std::string name;
        Method method = Method::Email{};
        std::shared_ptr<platform::ui::Label> line;
    };

    RecipientsPage()
    {
        registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction, [](platform::ui::StoryboardSegue&) {});
    }

    void viewDidLoad() override
    {
        navigationController()->setNavigationBarHidden(true, false);
        view()->setBackgroundColor(CreateTransactionLook::pageBackground());
        auto heading = std::make_shared<platform::ui::Label>(makeRect(16, 40, 340, 30));
        heading->setText("Recipients and how they prove who they are");
        heading->setFont(CreateTransactionLook::captionFont());
        heading->setTextColor(CreateTransactionLook::caption());
        view()->addSubview(heading);
        for (std::size_t index = 0; index < recipients.size(); ++index) {
            auto line = std::make_shared<platform::ui::Label>(makeRect(16, 80 + 48.0 * index, 340, 40));
            line->setFont(CreateTransactionLook::bodyFont());
            recipients[index].line = line;
            view()->addSubview(line);
        }
        updateAuthenticationMethodLabel();
    }
    void setAuthenticationMethod(const Method& method) override { recipients[current].method = method; }
    void updateAuthenticationMethodLabel() override
    {
        for (const auto& recipient : recipients) {
            recipient.line->setText(describe(recipient));
        }
    }
    void manageAddButtonAvailability() override {}

    static std::string describe(const Recipient& recipient)
    {
        const auto* sms = recipient.method.as<Method::SMS>();
        const std::string number = sms ? " to " + sms->phoneNumber.value_or("") : "";
        return recipient.name + ": " + recipient.method.displayLabel() + number;
    }

    std::vector<Recipient> recipients{{"Tia Tenant", Method::Email{}, nullptr}, {"Ben Landlord", Method::Email{}, nullptr}};
    std::size_t current = 0;
};

std::shared_ptr<Picker> openPicker(RecipientsPage& recipients, std::size_t index,
                                   platform::ui::NavigationController& navigation)
{
    recipients.current = index;
    auto picker = std::dynamic_pointer_cast<Picker>(
        CreateTransactionStoryboard::named()->instantiateViewController(SignerSetupScenes::authenticationMethodsPageScene));
    picker->setAuthenticationMethod(recipients.recipients[index].method);
    picker->setDelegate(std::static_pointer_cast<RecipientsPage>(recipients.shared_from_this()));
    navigation.pushViewController(picker, true);
    return picker;
}

void giveQuestions(host::DemoWalk& walk, const std::shared_ptr<Picker>& picker,
                   const std::shared_ptr<platform::ui::NavigationController>& navigation)
{
    walk.tap(*picker->qaButton.lock());
    const auto qa =
        std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodQAPage>(navigation->topViewController());
    walk.type(*qa->question1TextField.lock(), "Name of your first school?");
    walk.type(*qa->question2TextField.lock(), "Street you grew up in?");
    walk.type(*qa->answer2TextField.lock(), "Mill Lane");
    walk.tap(*qa->addButton.lock());
    walk.draw("authentication-phone-2-questions-answer-missing");
    walk.type(*qa->answer1TextField.lock(), "Hillside Primary");
    walk.tap(*qa->maskAnswer1Switch.lock());
    walk.tap(*qa->addButton.lock());
    walk.draw("authentication-phone-3-picker-questions-chosen");
}

void giveSMS(host::DemoWalk& walk, const std::shared_ptr<Picker>& picker,
             const std::shared_ptr<platform::ui::NavigationController>& navigation)
{
    walk.tap(*picker->smsButton.lock());
    const auto sms =
        std::dynamic_pointer_cast<CreateTransactionSignerAuthenticationMethodSMSPage>(navigation->topViewController());
    walk.type(*sms->cellPhoneTextField.lock(), "+963 94456");
    walk.draw("authentication-phone-4-sms-typing");
    walk.type(*sms->cellPhoneTextField.lock(), "7890");
    walk.draw("authentication-phone-5-sms-country-not-allowed");
    sms->cellPhoneTextField.lock()->setText("");
    walk.type(*sms->cellPhoneTextField.lock(), "6502530000");
    walk.draw("authentication-phone-6-sms-formatted");
    walk.tap(*sms->addButton.lock());
}

void run(const host::DemoContext& context)
{
    const auto folder = context.outputDirectory / "signers";
    std::filesystem::create_directories(folder);
    Veltra::dashboard();
    auto& screen = platform::ui::Screen::main();
    screen.setDeviceProfile(platform::ui::DeviceProfile::phone);
    screen.setOrientation(platform::ui::InterfaceOrientation::portrait);
    const auto recipients = std::make_shared<RecipientsPage>();
    const auto navigation = std::make_shared<platform::ui::NavigationController>(recipients);
    const auto window = std::make_shared<platform::ui::Window>();
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    host::DemoWalk walk(folder, window);

    auto picker = openPicker(*recipients, 0, *navigation);
    walk.draw("authentication-phone-1-picker");
    giveQuestions(walk, picker, navigation);
    walk.tap(*picker->topBar->backButton());

    picker = openPicker(*recipients, 1, *navigation);
    giveSMS(walk, picker, navigation);
    walk.draw("authentication-phone-7-picker-sms-chosen");
    walk.tap(*picker->topBar->backButton());
    walk.draw("authentication-phone-8-recipients");
    for (const auto& recipient : recipients->recipients) {
        std::cout << RecipientsPage::describe(recipient) << "\n";
    }
}

host::DemoRegistration registration(90, "Signer setup: how a recipient proves its identity", run);

} // namespace
