#include "fields/ZKSwitch.h"

#include "model/ZKElement.h"

std::string ZKSwitch::placeholderText() const
{
    return element() ? element()->name() : std::string();
}
