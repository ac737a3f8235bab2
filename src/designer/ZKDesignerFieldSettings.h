#pragma once

#include "model/ZKFieldSettings.h"

// The field settings of the shared ZKDesignerHelper, installed for the model and the
// sign-in at start-up. Holds nothing itself, so it outlives every reset of the helper.
// Main thread only.
class ZKDesignerFieldSettings : public ZKFieldSettings {
public:
    std::optional<bool> isRequiredForNewElement(const std::string& type,
                                                const std::optional<std::string>& autofill) override;
    std::optional<std::string> defaultPatternForNewElement(const std::string& type,
                                                           const std::optional<std::string>& autofill) override;
    void saveDesignerSettings(const std::optional<Dictionary>& settings) override;
};
