#pragma once

#include "foundation/Dictionary.h"

#include <string>

class VTSigner;

// The dictionary that recipient rows and the recipient pages read for one recipient,
// keys in the order the rows expect them.
class SignerRowDictionary {
public:
    static Dictionary make(const VTSigner& signer, int index);

    // The e-mail holds the placeholder domain.
    static bool isPlaceholder(const VTSigner& signer);
    // What the row calls a group: not a placeholder, and an e-mail under the group mail
    // domain or equal to the recipient's title.
    static bool isGroupRow(const VTSigner& signer);
};
