#include "designer/ZKDesignerHelper.h"

#include "foundation/SharedInstances.h"
#include "foundation/UserDefaults.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace {

struct AutofilledTextBox {
    const char* autoFilledValue;
    const char* designerType;
};

constexpr std::array kAutofilledTextBoxes{
    AutofilledTextBox{"{approval.signed}", "signingDate"},
    AutofilledTextBox{"{signer.name}", "signerName"},
    AutofilledTextBox{"{signer.title}", "signerTitle"},
    AutofilledTextBox{"{signer.company}", "signerCompany"},
};

constexpr std::array<std::pair<const char*, const char*>, 6> kSingleTypes{{
    {"label", "label"},
    {"CheckBox", "checkbox"},
    {"List", "list"},
    {"TextArea", "textarea"},
    {"Radio", "radio"},
    {"dateEntryField", "datepicker"},
}};

// A text flag read as the platform reads a string's boolean value: past leading white
// space, an optional sign and leading zeros, "Y", "y", "T", "t" or a digit 1-9 is YES
// ("YES", "true", "+1", "01"); anything else is NO ("0", "no", "false", "").
bool textReadsAsYes(const std::string& text)
{
    auto position = text.find_first_not_of(" \t\n");
    if (position != std::string::npos && (text[position] == '+' || text[position] == '-')) {
        ++position;
    }
    position = text.find_first_not_of('0', position);
    if (position == std::string::npos) {
        return false;
    }
    const char c = text[position];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

// How the service's loosely typed flags read as booleans: true/false, numbers as
// non-zero, and text as the platform reads it; anything else counts as missing.
std::optional<bool> booleanValue(const Dictionary& value)
{
    if (value.is_boolean()) {
        return value.get<bool>();
    }
    if (value.is_number()) {
        return value.get<double>() != 0;
    }
    if (!value.is_string()) {
        return std::nullopt;
    }
    return textReadsAsYes(value.get_ref<const std::string&>());
}

} // namespace

std::shared_ptr<ZKDesignerHelper> ZKDesignerHelper::sharedInstance()
{
    return platform::SharedInstance<ZKDesignerHelper>::get();
}

ZKDesignerHelper::ZKDesignerHelper()
{
    loadSettings();
}

void ZKDesignerHelper::loadSettings()
{
    if (settings_) {
        return;
    }
    settings_ = platform::UserDefaults::standard().objectForKey(kSettingsKey);
}

void ZKDesignerHelper::saveDesignerSettings(const std::optional<Dictionary>& settings)
{
    auto& defaults = platform::UserDefaults::standard();
    if (settings) {
        defaults.setObject(kSettingsKey, *settings);
    } else {
        defaults.removeObjectForKey(kSettingsKey);
    }
    defaults.synchronize();
    // A later login's settings must take effect at once, not at the next launch.
    settings_.reset();
    loadSettings();
}

std::string ZKDesignerHelper::designerFieldTypeForTypeAndAutoFilledValue(
    const std::string& type, const std::optional<std::string>& autoFilledValue)
{
    if (type == "TextBox") {
        for (const auto& row : kAutofilledTextBoxes) {
            if (autoFilledValue && *autoFilledValue == row.autoFilledValue) {
                return row.designerType;
            }
        }
        return "textfield";
    }
    for (const auto& [elementType, designerType] : kSingleTypes) {
        if (type == elementType) {
            return designerType;
        }
    }
    return "";
}

bool ZKDesignerHelper::isVisibleWithType(const std::string& designerType)
{
    loadSettings();
    const auto* visibility = valueAtPath(designerType, {"visibility"});
    if (visibility) {
        if (const auto flag = booleanValue(*visibility)) {
            return *flag;
        }
    }
    return designerType != "datepicker";
}

bool ZKDesignerHelper::isRequiredWithType(const std::string& designerType)
{
    loadSettings();
    const auto* required = valueAtPath(designerType, {"template", "validation", "required"});
    return required && booleanValue(*required).value_or(false);
}

std::optional<std::string> ZKDesignerHelper::defaultPatternForType(const std::string& designerType)
{
    loadSettings();
    const auto* pattern = valueAtPath(designerType, {"template", "validation", "pattern"});
    if (!pattern || !pattern->is_string()) {
        return std::nullopt;
    }
    return pattern->get<std::string>();
}

std::optional<Dictionary> ZKDesignerHelper::bindingForType(const std::string& designerType)
{
    loadSettings();
    const auto* binding = valueAtPath(designerType, {"template", "binding"});
    if (!binding || binding->is_null()) {
        return std::nullopt;
    }
    return *binding;
}

const Dictionary* ZKDesignerHelper::valueAtPath(const std::string& designerType,
                                                std::initializer_list<const char*> path) const
{
    if (!settings_ || !settings_->is_object()) {
        return nullptr;
    }
    const auto entry = settings_->find(designerType);
    if (entry == settings_->end()) {
        return nullptr;
    }
    const Dictionary* node = &*entry;
    for (const char* key : path) {
        if (!node->is_object()) {
            return nullptr;
        }
        const auto next = node->find(key);
        if (next == node->end()) {
            return nullptr;
        }
        node = &*next;
    }
    return node;
}
