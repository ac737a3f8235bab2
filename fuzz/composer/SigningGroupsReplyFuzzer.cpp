#include "composer/SigningGroupsReply.h"
#include "signers/SignerAuthenticationDictionary.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Replies of the group fetch and authentication dictionaries of stored recipients: any
// JSON must read without failing, and an authentication read back from its own
// dictionary must come out the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto reply = Dictionary::parse(data, data + size, nullptr, false);
    if (reply.is_discarded()) {
        return 0;
    }
    const auto groups = SigningGroupsReply::groupsFrom(reply, "member@example.com");
    if (groups && reply.contains("results") && reply["results"].is_array() && groups->size() > reply["results"].size()) {
        std::abort();
    }
    const auto method = authenticationMethodForInfoWithDict(reply);
    const auto written = generateAuthenticationDictionary(method);
    if (written && !(authenticationMethodForInfoWithDict(*written) == method)) {
        std::abort();
    }
    return 0;
}
