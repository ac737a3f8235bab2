#include "support/ZKUtil.h"

#include "foundation/UserDefaults.h"

namespace {

// The signed-in identity keeps its e-mail under this user-defaults key.
constexpr const char* kSignedInEmailKey = "Corvex_EM";

} // namespace

bool ZKUtil::isAccountOwnerEmail(const std::optional<std::string>& email)
{
    const auto owner = platform::UserDefaults::standard().stringForKey(kSignedInEmailKey);
    return email && owner && *email == *owner;
}
