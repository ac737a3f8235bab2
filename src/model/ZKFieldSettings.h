#pragma once

#include "foundation/Dictionary.h"

#include <memory>
#include <optional>
#include <string>

// The service's per-kind field settings as the layers below the designer see them: a new
// element takes its required flag and pattern from them, and a sign-in stores the ones
// the service sent. The designer installs its settings at start-up; until then a new
// element keeps its defaults and a sign-in stores nothing. Installed once before use and
// used on the main thread.
class ZKFieldSettings {
public:
    virtual ~ZKFieldSettings() = default;

    // What is installed, or settings that leave every element as it is made.
    static ZKFieldSettings& installed();
    static void install(std::shared_ptr<ZKFieldSettings> settings);

    // Whether a new element of the type (with its autofill value) starts required;
    // nullopt leaves its flag alone.
    virtual std::optional<bool> isRequiredForNewElement(const std::string& type,
                                                        const std::optional<std::string>& autofill);
    virtual std::optional<std::string> defaultPatternForNewElement(const std::string& type,
                                                                   const std::optional<std::string>& autofill);
    // Keeps the table the service sent (nullopt: none) for the next launches.
    virtual void saveDesignerSettings(const std::optional<Dictionary>& settings);
};
