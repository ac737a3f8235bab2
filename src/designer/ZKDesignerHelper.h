#pragma once

#include "foundation/Dictionary.h"

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

// The service's per-kind field settings for the designer: which kinds of field the
// palette offers and how a new field of each kind starts (required flag, pattern).
// The table is kept in the user defaults between launches, exactly as the service
// sent it. Main thread only.
class ZKDesignerHelper {
public:
    static constexpr const char* kSettingsKey = "ZK_VLT_DESIGNER_SETTINGS_KEY";

    // The shared instance, created on first use (reset with platform::SharedInstances).
    static std::shared_ptr<ZKDesignerHelper> sharedInstance();

    ZKDesignerHelper();

    const std::optional<Dictionary>& settings() const { return settings_; }

    // Reads the stored table when none is held yet.
    void loadSettings();
    // Stores the table (nil removes the stored entry) and makes it the one in force.
    void saveDesignerSettings(const std::optional<Dictionary>& settings);

    // The designer type ("signerName", "textfield", "radio", ... or "") of an element
    // type and its autofill value.
    static std::string designerFieldTypeForTypeAndAutoFilledValue(const std::string& type,
                                                                  const std::optional<std::string>& autoFilledValue);

    // Whether the palette offers the type; without a setting every type but the date
    // field is offered.
    bool isVisibleWithType(const std::string& designerType);
    bool isRequiredWithType(const std::string& designerType);
    std::optional<std::string> defaultPatternForType(const std::string& designerType);
    std::optional<Dictionary> bindingForType(const std::string& designerType);

private:
    // The value under `path` inside the type's entry, when every step is a dictionary.
    const Dictionary* valueAtPath(const std::string& designerType, std::initializer_list<const char*> path) const;

    std::optional<Dictionary> settings_;
};
