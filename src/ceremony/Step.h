#pragma once

#include <string>
#include <vector>

// One turn of the ceremony: the role whose turn it is, the roles that sign in it, and
// whether it is done. A plain value, used on the main thread with the sequencer.
class Step {
public:
    Step(std::string roleId, std::string roleUid, std::vector<std::string> roleIds)
        : roleId_(std::move(roleId)), roleUid_(std::move(roleUid)), roleIds_(std::move(roleIds))
    {
    }

    const std::string& roleId() const { return roleId_; }
    const std::string& roleUid() const { return roleUid_; }
    const std::vector<std::string>& roleIds() const { return roleIds_; }
    bool completed() const { return completed_; }
    void setCompleted(bool completed) { completed_ = completed; }

private:
    std::string roleId_;
    std::string roleUid_;
    std::vector<std::string> roleIds_;
    bool completed_ = false;
};
