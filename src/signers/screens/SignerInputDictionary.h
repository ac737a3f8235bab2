#pragma once

#include "foundation/Dictionary.h"
#include "model/ZKGroup.h"
#include "signers/SignerAuthenticationMethod.h"

#include <optional>
#include <string>

// The signer input dictionary the add/edit recipient page hands to the new-transaction
// model, in its two forms: a person, with the texts of the page's fields as typed, and a
// signing group, which carries its address in both "email" and "title" (the model knows
// a group by a title that is an address) and its id in "role" (the model finds it again by
// that). Stateless.
class SignerInputDictionary {
public:
    struct Person {
        std::string firstName;
        std::string lastName;
        std::string email;
        std::string company;
        std::string title;
    };
    // What both forms carry besides the recipient itself.
    struct Settings {
        std::optional<std::string> personalMessage;
        bool allowSignerChange = false;
        SignerAuthenticationMethod authenticationMethod;
    };

    static Dictionary forPerson(const Person& person, const Settings& settings);
    static Dictionary forGroup(const ZKGroup& group, const Settings& settings);

private:
    static void addSettings(Dictionary& input, const Settings& settings);
};
