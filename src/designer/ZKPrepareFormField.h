#pragma once

#include <memory>
#include <optional>
#include <string>

// One item of the designer's field palette: the kind of field a sender drags or taps onto
// a page. Made and read on the main thread; shared between the palette and the page it is
// dropped on.
class ZKPrepareFormField {
public:
    // Not primary; the palette marks the signature item itself.
    static std::shared_ptr<ZKPrepareFormField> initWithIconCharDescriptionTypeAndAutoFill(
        std::string iconChar, std::string description, std::string type, std::optional<std::string> autoFill);

    // One character of the icon font.
    const std::string& fieldIcon() const { return fieldIcon_; }
    const std::string& fieldDescription() const { return fieldDescription_; }
    // The element type a placed field gets ("SIGNATURE", "TextBox", "CheckBox" ...).
    const std::string& fieldType() const { return fieldType_; }
    const std::optional<std::string>& fieldAutofill() const { return fieldAutofill_; }
    // Only the signature: every other field belongs to a signature.
    bool isPrimaryFieldType() const { return isPrimaryFieldType_; }
    void setIsPrimaryFieldType(bool primary) { isPrimaryFieldType_ = primary; }

private:
    std::string fieldIcon_;
    std::string fieldDescription_;
    std::string fieldType_;
    std::optional<std::string> fieldAutofill_;
    bool isPrimaryFieldType_ = false;
};
