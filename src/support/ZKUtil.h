#pragma once

#include <optional>
#include <string>

// Small questions about the environment the SDK runs in.
class ZKUtil {
public:
    // Whether the key window's safe area reaches past the status bar at the top or the
    // left (more than 20 points): a device with a notch. No key window answers false.
    static bool isiPhoneX();
    // Whether the e-mail is the signed-in user's, compared character for character; false
    // when either is nil.
    static bool isAccountOwnerEmail(const std::optional<std::string>& email);
    // The SDK always treats its environment as restricted: no analytics leave it.
    static bool isRestrictedEnvironment() { return true; }
};
