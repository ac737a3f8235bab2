#include "fields/ZKDateInputField.h"

#include "model/ZKElement.h"
#include "model/ZKValidation.h"
#include "support/LocalizedSDK.h"

std::string ZKDateInputField::placeholderText() const
{
    const auto& validation = element() ? element()->validation() : nullptr;
    if (validation && validation->pattern() && !validation->pattern()->empty()) {
        return *validation->pattern();
    }
    return localizedSDK("Date Field");
}
