#include "fields/ZKStaticField.h"

#include "model/ZKElement.h"
#include "support/LocalizedSDK.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, const char*>, 3> autofillNames{{
    {"{signer.name}", localizableKey("Signer Name")},
    {"{signer.title}", localizableKey("Signer Title")},
    {"{signer.company}", localizableKey("Signer Company")},
}};

} // namespace

std::string ZKStaticField::placeholderText() const
{
    for (const auto& [autofill, name] : autofillNames) {
        if (element() && element()->autofill() == autofill) {
            return localizedSDK(name);
        }
    }
    return ZKLabelledElementView::placeholderText();
}
