#include "fields/ZKTextArea.h"

#include "support/LocalizedSDK.h"

std::string ZKTextArea::placeholderText() const
{
    return localizedSDK("Text Area");
}
