#pragma once

// The notification by which the ceremony's sequencer announces which role signs now, or
// why it did not switch; posted on the default centre with object nil and this user info.
struct SigningFlowRoleUpdate {
    static constexpr const char* name = "signingFlowRoleUpdate";

    // User info keys.
    static constexpr const char* switchIdKey = "switchId";
    static constexpr const char* roleIdKey = "roleId";
    static constexpr const char* roleUidKey = "roleUid";

    // Switch ids. The sequencer posts the first, second and fourth; the others belong to
    // the signing steps (completion, turns, in-person checks, consent) and are named here
    // for their observers.
    static constexpr const char* manuallySwitched = "manuallySwitched";
    static constexpr const char* autoSwitched = "autoSwitched";
    static constexpr const char* signingSessionCompleted = "signingSessionCompleted";
    static constexpr const char* canNotSwitch = "canNotSwitch";
    static constexpr const char* canNotSwitchNotRoleTurn = "canNotSwitchNotRoleTurn";
    static constexpr const char* canNotSwitchNotInPerson = "canNotSwitchNotInPerson";
    static constexpr const char* showConsent = "showConsent";
};
