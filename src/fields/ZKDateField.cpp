#include "fields/ZKDateField.h"

#include "support/LocalizedSDK.h"

std::string ZKDateField::placeholderText() const
{
    return localizedSDK("Signing Date");
}
