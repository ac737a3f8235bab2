#include "designer/screens/ZKPrepareFormFieldPalette.h"

#include "designer/ZKDesignerHelper.h"
#include "designer/ZKPrepareFormField.h"
#include "support/LocalizedSDK.h"

#include <array>
#include <optional>
#include <string>

namespace {

struct Kind {
    const char* glyph;
    const char* descriptionKey;
    const char* type;
    const char* autofill;
    // The type the settings know the kind by.
    const char* designerType;
};

constexpr const char* signingDateAutofill = "{approval.signed}";

constexpr std::array<Kind, 11> optionalKinds{{
    {"/", localizableKey("Signing Date"), "TextBox", signingDateAutofill, nullptr},
    {"5", localizableKey("Signer Name"), "TextBox", "{signer.name}", "signerName"},
    {"6", localizableKey("Signer Title"), "TextBox", "{signer.title}", "signerTitle"},
    {"7", localizableKey("Signer Company"), "TextBox", "{signer.company}", "signerCompany"},
    {"z", localizableKey("Text Field"), "TextBox", nullptr, "textfield"},
    {"R", localizableKey("Label"), "label", nullptr, "label"},
    {"Q", localizableKey("Check Box"), "CheckBox", nullptr, "checkbox"},
    {"8", localizableKey("List"), "List", nullptr, "list"},
    {"t", localizableKey("Text Area"), "TextArea", nullptr, "textarea"},
    {"!", localizableKey("Radio"), "Radio", nullptr, "radio"},
    {"U", localizableKey("Date Field"), "dateEntryField", nullptr, "datepicker"},
}};

std::optional<std::string> optionalText(const char* text)
{
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// The signing date is a text box told apart by its autofill value; the settings are
// asked for it under the type that pair stands for.
std::string designerTypeOf(const Kind& kind)
{
    if (kind.designerType) {
        return kind.designerType;
    }
    return ZKDesignerHelper::designerFieldTypeForTypeAndAutoFilledValue(kind.type, optionalText(kind.autofill));
}

std::shared_ptr<ZKPrepareFormField> makeItem(const Kind& kind)
{
    return ZKPrepareFormField::initWithIconCharDescriptionTypeAndAutoFill(
        kind.glyph, localizedSDK(kind.descriptionKey), kind.type, optionalText(kind.autofill));
}

} // namespace

std::vector<std::shared_ptr<ZKPrepareFormField>> ZKPrepareFormFieldPalette::formFields(ZKDesignerHelper& settings)
{
    auto signature = makeItem({"4", localizableKey("Signature"), "SIGNATURE", nullptr, nullptr});
    signature->setIsPrimaryFieldType(true);
    std::vector<std::shared_ptr<ZKPrepareFormField>> fields{signature};
    for (const auto& kind : optionalKinds) {
        if (settings.isVisibleWithType(designerTypeOf(kind))) {
            fields.push_back(makeItem(kind));
        }
    }
    return fields;
}
