#include "fields/ZKLabel.h"

#include "support/LocalizedSDK.h"

std::string ZKLabel::placeholderText() const
{
    return localizedSDK("Label");
}
