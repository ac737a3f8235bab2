#include "composer/DraftDetails.h"

#include <cmath>
#include <cstdint>

namespace {

// A key the start left out stays out rather than becoming null.
void copyWhenPresent(Dictionary& details, const char* key, const Dictionary& transaction, const char* from)
{
    const auto found = transaction.find(from);
    if (found != transaction.end() && !found->is_null()) {
        details[key] = *found;
    }
}

// "Draft" is the listing filter of local drafts in the host's transaction lists.
constexpr int kDraftFilterType = 6;

} // namespace

Dictionary DraftDetails::sender(const std::optional<std::string>& senderEmail)
{
    Dictionary sender = Dictionary::object();
    if (senderEmail) {
        sender["email"] = *senderEmail;
    }
    return sender;
}

Dictionary DraftDetails::make(const Dictionary& transaction, const std::optional<std::string>& senderEmail,
                              const platform::Date& now)
{
    Dictionary details = Dictionary::object();
    details["completed"] = false;
    copyWhenPresent(details, "desc", transaction, "desc");
    copyWhenPresent(details, "guid", transaction, "guid");
    details["updated"] = static_cast<std::int64_t>(std::trunc(now.timeIntervalSince1970()));
    details["prefetched"] = true;
    details["sender"] = sender(senderEmail);
    copyWhenPresent(details, "status", transaction, "status");
    copyWhenPresent(details, "title", transaction, "name");
    copyWhenPresent(details, "type", transaction, "type");
    details["filterType"] = kDraftFilterType;
    details["offline"] = true;
    details["trashed"] = false;
    return details;
}
