#pragma once

#include <string>

// The kinds of recipient a transaction holds, each shown by one character of the SDK's
// icon font.
enum class CreateTransactionSignerType { myself, recipient, placeholder, group };

// "v" for the signed-in user, "p" for any other person, "5" for a placeholder whose
// details are still to come, ">" for a signing group.
std::string glyphForSignerType(CreateTransactionSignerType type);
