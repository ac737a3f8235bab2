#include "sdk/VTSigner.h"

#include "foundation/Text.h"
#include "service/ZKIdentity.h"

namespace {

std::string valueOrEmpty(const std::optional<std::string>& value)
{
    return value.value_or(std::string());
}

void putIfPresent(Dictionary& dictionary, const char* key, const std::optional<std::string>& value)
{
    if (value) {
        dictionary[key] = *value;
    }
}

// The trimmed text under the key, or nothing when the key is absent or not text.
std::optional<std::string> trimmedText(const Dictionary& dictionary, const char* key)
{
    const auto text = platform::dictionary::stringAt(dictionary, key);
    return text ? std::optional(platform::text::trimWhitespace(*text)) : std::nullopt;
}

void takeTrimmed(const Dictionary& dictionary, const char* key, std::string& target)
{
    if (auto text = trimmedText(dictionary, key)) {
        target = std::move(*text);
    }
}

} // namespace

VTSigner::VTSigner(const std::optional<std::string>& firstName, const std::optional<std::string>& lastName,
                   const std::optional<std::string>& email, const std::optional<std::string>& company,
                   const std::optional<std::string>& title, const std::optional<std::string>& role)
    : firstName_(valueOrEmpty(firstName))
    , lastName_(valueOrEmpty(lastName))
    , email_(valueOrEmpty(email))
    , title_(valueOrEmpty(title))
    , company_(valueOrEmpty(company))
    , role_(valueOrEmpty(role))
{
}

std::shared_ptr<VTSigner> VTSigner::initWithFirstNameLastNameEmailCompanyTitleAndRole(
    const std::optional<std::string>& firstName, const std::optional<std::string>& lastName,
    const std::optional<std::string>& email, const std::optional<std::string>& company,
    const std::optional<std::string>& title, const std::optional<std::string>& role)
{
    return std::make_shared<VTSigner>(firstName, lastName, email, company, title, role);
}

void VTSigner::setAuthenticationEmail()
{
    authenticationDict_ = Dictionary{{"type", "email"}};
}

void VTSigner::setAuthenticationSMStoCellphone(const std::optional<std::string>& cellphone)
{
    Dictionary dictionary{{"type", "SMS"}};
    putIfPresent(dictionary, "cellphone", cellphone);
    authenticationDict_ = std::move(dictionary);
}

void VTSigner::setAuthenticationQandAQuestion1Answer1MaskAnswer1Question2Answer2MaskAnswer2(
    const std::optional<std::string>& question1, const std::optional<std::string>& answer1, bool maskAnswer1,
    const std::optional<std::string>& question2, const std::optional<std::string>& answer2, bool maskAnswer2)
{
    Dictionary dictionary{{"type", "QandA"}};
    putIfPresent(dictionary, "question1", question1);
    putIfPresent(dictionary, "answer1", answer1);
    dictionary["maskAnaswer1"] = maskAnswer1;
    putIfPresent(dictionary, "question2", question2);
    putIfPresent(dictionary, "answer2", answer2);
    dictionary["maskAnaswer2"] = maskAnswer2;
    authenticationDict_ = std::move(dictionary);
}

void VTSigner::updatewithDictionary(const Dictionary& dictionary)
{
    if (!dictionary.is_object()) {
        return;
    }
    takeTrimmed(dictionary, "firstName", firstName_);
    takeTrimmed(dictionary, "lastName", lastName_);
    takeTrimmed(dictionary, "email", email_);
    takeTrimmed(dictionary, "company", company_);
    takeTrimmed(dictionary, "title", title_);
    if (auto message = trimmedText(dictionary, "emailMessage")) {
        emailMessage_ = std::move(message);
    }
    const auto allow = dictionary.find("allowChangeSigners");
    if (allow != dictionary.end() && allow->is_boolean()) {
        allowChangeSigners_ = allow->get<bool>();
    }
    const auto role = dictionary.find("role");
    if (role != dictionary.end() && role->is_string()) {
        role_ = role->get<std::string>();
    }
}

bool VTSigner::isSendersOwnRecipient() const
{
    const auto email = ZKIdentity::sharedInstance()->email();
    return !isGroupContainingSender_ && email && *email == email_;
}
