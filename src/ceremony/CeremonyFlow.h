#pragma once

#include "ceremony/Step.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class ZKParticipant;
class ZKTransaction;

// The ceremony's sequencer: the signing steps of the transaction shown on the hub, one
// per participant in signing order, and the step whose turn it is. It announces every
// switch, and every refused one, with a "signingFlowRoleUpdate" notification
// (SigningFlowRoleUpdate). A role's id and uid are both the participant's uid, the one
// identifier the store keeps for a role. One shared instance, reset with
// platform::SharedInstances; main thread only.
class CeremonyFlow {
public:
    static std::shared_ptr<CeremonyFlow> sharedInstance();

    // Builds the steps of the transaction (held weakly) and makes the first one current,
    // without announcing it yet, so that the hub can take the roles before the switch.
    void buildStepsForTransaction(const std::shared_ptr<ZKTransaction>& transaction);
    // Announces the current step's role as "autoSwitched"; nothing without a step.
    void start() const;

    const std::vector<Step>& steps() const { return steps_; }
    // The index of the current step; nullopt while there is none.
    std::optional<std::size_t> currentStepIndex() const { return current_; }

    // The participant of the current step, or null.
    std::shared_ptr<ZKParticipant> currentRole() const;
    // The participants of the steps, in signing order: what a non-draft panel offers.
    std::vector<std::shared_ptr<ZKParticipant>> displayRolesList() const;

    // Asks to switch to the role with the uid. The answer is a notification: the role of a
    // step becomes current and is announced as "manuallySwitched" (also when it already
    // was); a uid of no step is answered "canNotSwitch" with the uid asked for.
    void tryToMoveToRoleWithUid(const std::string& uid);

private:
    std::shared_ptr<ZKParticipant> participantWithUid(const std::string& uid) const;
    static void announce(const char* switchId, const std::string& roleId, const std::string& roleUid);

    std::weak_ptr<ZKTransaction> transaction_;
    std::vector<Step> steps_;
    std::optional<std::size_t> current_;
};
