#include "AuthenticationPageTest.h"

#include "sdk/facade/Veltra.h"
#include "signers/screens/SignerSetupScenes.h"

namespace signers_screens_testing {

AuthenticationTestOpener::AuthenticationTestOpener()
{
    registerUnwindAction(SignerSetupScenes::unwindToAddSignerPageAction,
                         [this](platform::ui::StoryboardSegue&) { ++unwinds; });
}

void AuthenticationPageTest::SetUp()
{
    SignerSetupScreenTest::SetUp();
    Veltra::dashboard();
    opener = std::make_shared<AuthenticationTestOpener>();
    push(opener);
}

std::shared_ptr<AuthenticationPageTest::Picker> AuthenticationPageTest::openPicker(const Method& method)
{
    picker = std::dynamic_pointer_cast<Picker>(instantiate(SignerSetupScenes::authenticationMethodsPageScene));
    EXPECT_NE(picker, nullptr);
    opener->method = method;
    picker->setAuthenticationMethod(method);
    picker->setDelegate(opener);
    push(picker);
    return picker;
}

std::shared_ptr<AuthenticationPageTest::QAPage> AuthenticationPageTest::openQAPage(const Method& method)
{
    openPicker(method);
    SignerSetupScreenTest::tap(*picker->qaButton.lock());
    return std::dynamic_pointer_cast<QAPage>(top());
}

std::shared_ptr<AuthenticationPageTest::SMSPage> AuthenticationPageTest::openSMSPage(const Method& method)
{
    openPicker(method);
    SignerSetupScreenTest::tap(*picker->smsButton.lock());
    return std::dynamic_pointer_cast<SMSPage>(top());
}

void AuthenticationPageTest::type(platform::ui::TextField& field, const std::string& text)
{
    if (!field.isFirstResponder()) {
        tap(field);
    }
    fingers->typeText(text);
}

std::vector<std::string> AuthenticationPageTest::checkedRows() const
{
    std::vector<std::string> rows;
    const std::pair<const char*, std::weak_ptr<platform::ui::Label>> marks[] = {
        {"email", picker->emailCheckMark}, {"qa", picker->questionAndAnswerCheckMark}, {"sms", picker->smsCheckMark}};
    for (const auto& [name, mark] : marks) {
        if (isShown(*mark.lock())) {
            rows.push_back(name);
        }
    }
    return rows;
}

} // namespace signers_screens_testing
