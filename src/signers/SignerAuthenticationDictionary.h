#pragma once

#include "foundation/Dictionary.h"
#include "signers/SignerAuthenticationMethod.h"

#include <optional>

// The authentication dictionary: the form in which a recipient's authentication travels
// to the new-transaction model, the host-side signer and the service. Its type names
// ("QandA", "SMS", "email") and the mask keys "maskAnaswer1"/"maskAnaswer2" are what
// stored transactions and the service already hold, so they are kept exactly.

// The dictionary of a method; none for None, so that the recipient gets no
// "authentication" entry at all. Absent strings leave their keys out.
std::optional<Dictionary> generateAuthenticationDictionary(const SignerAuthenticationMethod& authenticationMethod);

// The method a dictionary describes. Never fails: anything unrecognised (no or unknown
// "type", a type that is not a string, a non-object) reads as None; values of the wrong
// kind read as absent strings or unmasked answers.
SignerAuthenticationMethod authenticationMethodForInfoWithDict(const Dictionary& dict);
