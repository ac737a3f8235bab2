#include "signers/SignerAuthenticationDictionary.h"

#include <string>

namespace {

using Method = SignerAuthenticationMethod;

void setWhenPresent(Dictionary& dictionary, const char* key, const std::optional<std::string>& value)
{
    if (value) {
        dictionary[key] = *value;
    }
}

using platform::dictionary::booleanAt;
using platform::dictionary::stringAt;

struct DictionaryOf {
    std::optional<Dictionary> operator()(const Method::QuestionAndAnswer& qanda) const
    {
        Dictionary dictionary = Dictionary::object();
        dictionary["type"] = "QandA";
        dictionary["maskAnaswer1"] = qanda.maskAns1;
        setWhenPresent(dictionary, "question1", qanda.q1);
        setWhenPresent(dictionary, "answer1", qanda.ans1);
        dictionary["maskAnaswer2"] = qanda.maskAns2;
        setWhenPresent(dictionary, "question2", qanda.q2);
        setWhenPresent(dictionary, "answer2", qanda.ans2);
        return dictionary;
    }
    std::optional<Dictionary> operator()(const Method::SMS& sms) const
    {
        Dictionary dictionary = Dictionary::object();
        dictionary["type"] = "SMS";
        setWhenPresent(dictionary, "cellphone", sms.phoneNumber);
        return dictionary;
    }
    std::optional<Dictionary> operator()(const Method::None&) const { return std::nullopt; }
    std::optional<Dictionary> operator()(const Method::Email&) const { return Dictionary{{"type", "email"}}; }
};

Method questionAndAnswerFrom(const Dictionary& dict)
{
    return Method::QuestionAndAnswer{stringAt(dict, "question1"), stringAt(dict, "answer1"),
                                     booleanAt(dict, "maskAnaswer1"), stringAt(dict, "question2"),
                                     stringAt(dict, "answer2"), booleanAt(dict, "maskAnaswer2")};
}

} // namespace

std::optional<Dictionary> generateAuthenticationDictionary(const SignerAuthenticationMethod& authenticationMethod)
{
    return std::visit(DictionaryOf{}, authenticationMethod.value());
}

SignerAuthenticationMethod authenticationMethodForInfoWithDict(const Dictionary& dict)
{
    if (!dict.is_object()) {
        return Method::None{};
    }
    const auto type = stringAt(dict, "type");
    if (type == "email") {
        return Method::Email{};
    }
    if (type == "SMS") {
        return Method::SMS{stringAt(dict, "cellphone")};
    }
    if (type == "QandA") {
        return questionAndAnswerFrom(dict);
    }
    return Method::None{};
}
