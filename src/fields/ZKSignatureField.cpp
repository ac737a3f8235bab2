#include "fields/ZKSignatureField.h"

#include "support/LocalizedSDK.h"

std::string ZKSignatureField::placeholderText() const
{
    return localizedSDK("Signature");
}
