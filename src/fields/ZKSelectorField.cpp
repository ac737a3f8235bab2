#include "fields/ZKSelectorField.h"

#include "model/ZKElement.h"

std::string ZKSelectorField::placeholderText() const
{
    return element() ? element()->name() : std::string();
}
