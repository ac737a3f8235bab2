#include "ceremony/CeremonyFlow.h"

#include "ceremony/SigningFlowRoleUpdate.h"
#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"
#include "model/ZKParticipant.h"
#include "model/ZKTransaction.h"

#include <algorithm>

std::shared_ptr<CeremonyFlow> CeremonyFlow::sharedInstance()
{
    return platform::SharedInstance<CeremonyFlow>::get();
}

void CeremonyFlow::buildStepsForTransaction(const std::shared_ptr<ZKTransaction>& transaction)
{
    transaction_ = transaction;
    steps_.clear();
    current_.reset();
    if (!transaction) {
        return;
    }
    for (const auto& participant : transaction->participants()) {
        steps_.emplace_back(participant->uid(), participant->uid(), std::vector<std::string>{participant->uid()});
    }
    if (!steps_.empty()) {
        current_ = 0;
    }
}

void CeremonyFlow::start() const
{
    if (current_) {
        announce(SigningFlowRoleUpdate::autoSwitched, steps_[*current_].roleId(), steps_[*current_].roleUid());
    }
}

std::shared_ptr<ZKParticipant> CeremonyFlow::currentRole() const
{
    return current_ ? participantWithUid(steps_[*current_].roleUid()) : nullptr;
}

std::vector<std::shared_ptr<ZKParticipant>> CeremonyFlow::displayRolesList() const
{
    std::vector<std::shared_ptr<ZKParticipant>> roles;
    for (const auto& step : steps_) {
        if (auto participant = participantWithUid(step.roleUid())) {
            roles.push_back(std::move(participant));
        }
    }
    return roles;
}

void CeremonyFlow::tryToMoveToRoleWithUid(const std::string& uid)
{
    const auto found =
        std::find_if(steps_.begin(), steps_.end(), [&](const Step& step) { return step.roleUid() == uid; });
    if (found == steps_.end()) {
        announce(SigningFlowRoleUpdate::canNotSwitch, uid, uid);
        return;
    }
    current_ = static_cast<std::size_t>(found - steps_.begin());
    announce(SigningFlowRoleUpdate::manuallySwitched, found->roleId(), found->roleUid());
}

std::shared_ptr<ZKParticipant> CeremonyFlow::participantWithUid(const std::string& uid) const
{
    const auto transaction = transaction_.lock();
    if (!transaction) {
        return nullptr;
    }
    const auto& participants = transaction->participants();
    const auto found = std::find_if(participants.begin(), participants.end(),
                                    [&](const auto& participant) { return participant->uid() == uid; });
    return found == participants.end() ? nullptr : *found;
}

void CeremonyFlow::announce(const char* switchId, const std::string& roleId, const std::string& roleUid)
{
    platform::NotificationCenter::defaultCenter().post(
        SigningFlowRoleUpdate::name, nullptr,
        {{SigningFlowRoleUpdate::switchIdKey, switchId},
         {SigningFlowRoleUpdate::roleIdKey, roleId},
         {SigningFlowRoleUpdate::roleUidKey, roleUid}});
}
