#include "signers/screens/SignerInputDictionary.h"

#include "signers/SignerAuthenticationDictionary.h"

Dictionary SignerInputDictionary::forPerson(const Person& person, const Settings& settings)
{
    Dictionary input{{"firstName", person.firstName},
                     {"lastName", person.lastName},
                     {"email", person.email},
                     {"company", person.company},
                     {"title", person.title}};
    addSettings(input, settings);
    return input;
}

Dictionary SignerInputDictionary::forGroup(const ZKGroup& group, const Settings& settings)
{
    Dictionary input{{"group", true},
                     {"firstName", group.groupName()},
                     {"email", group.groupEmail()},
                     {"title", group.groupEmail()},
                     {"role", group.groupID()},
                     {"isCurrentSignerMember", group.isCurrentSignerMember()}};
    addSettings(input, settings);
    return input;
}

void SignerInputDictionary::addSettings(Dictionary& input, const Settings& settings)
{
    if (settings.personalMessage) {
        input["emailMessage"] = *settings.personalMessage;
    }
    input["allowSignerChange"] = settings.allowSignerChange;
    if (auto authentication = generateAuthenticationDictionary(settings.authenticationMethod)) {
        input["authentication"] = std::move(*authentication);
    }
}
