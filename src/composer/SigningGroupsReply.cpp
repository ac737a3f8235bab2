#include "composer/SigningGroupsReply.h"

namespace {

using platform::dictionary::stringAt;

bool hasGroups(const Dictionary& reply)
{
    if (!reply.is_object() || reply.contains("error")) {
        return false;
    }
    const auto count = reply.find("count");
    return count != reply.end() && count->is_number() && count->get<double>() != 0;
}

std::size_t capacityFor(const Dictionary& count)
{
    // The count is the service's word only; a wild value must not reserve memory.
    const double value = count.get<double>();
    return value > 0 && value < 1000 ? static_cast<std::size_t>(value) : 0;
}

} // namespace

std::optional<SigningGroupsReply::Groups> SigningGroupsReply::groupsFrom(const Dictionary& reply,
                                                                        const std::optional<std::string>& userEmail)
{
    if (!hasGroups(reply)) {
        return std::nullopt;
    }
    Groups groups;
    groups.reserve(capacityFor(reply["count"]));
    const auto results = reply.find("results");
    if (results == reply.end() || !results->is_array()) {
        return groups;
    }
    for (const auto& group : *results) {
        if (group.is_object()) {
            groups.push_back(std::make_shared<ZKGroup>(
                stringAt(group, "id").value_or(""), isMemberForGroup(userEmail, group),
                stringAt(group, "name").value_or(""), stringAt(group, "email").value_or("")));
        }
    }
    return groups;
}

bool SigningGroupsReply::isMemberForGroup(const std::optional<std::string>& email, const Dictionary& group)
{
    if (!email || !group.is_object()) {
        return false;
    }
    const auto members = group.find("members");
    if (members == group.end() || !members->is_array()) {
        return false;
    }
    for (const auto& member : *members) {
        if (stringAt(member, "email") == email) {
            return true;
        }
    }
    return false;
}
