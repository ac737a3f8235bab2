#pragma once

#include <string>

// One signing group of the account, as the group list shows it. Not stored; two groups
// are the same group only when they are the same object.
class ZKGroup {
public:
    ZKGroup(std::string groupID, bool isCurrentSignerMember, std::string groupName, std::string groupEmail)
        : groupID_(std::move(groupID)), groupName_(std::move(groupName)), groupEmail_(std::move(groupEmail)),
          isCurrentSignerMember_(isCurrentSignerMember)
    {
    }

    const std::string& groupID() const { return groupID_; }
    const std::string& groupName() const { return groupName_; }
    const std::string& groupEmail() const { return groupEmail_; }
    // Whether the signed-in user belongs to the group.
    bool isCurrentSignerMember() const { return isCurrentSignerMember_; }

private:
    std::string groupID_;
    std::string groupName_;
    std::string groupEmail_;
    bool isCurrentSignerMember_;
};
