#include "support/ZKUtil.h"

#include "foundation/UserDefaults.h"
#include "ui/Application.h"
#include "ui/Window.h"

namespace {

// The signed-in identity keeps its e-mail under this user-defaults key.
constexpr const char* kSignedInEmailKey = "Corvex_EM";
// Devices with a notch or rounded corners push the safe area past the status bar's 20
// points.
constexpr double kStatusBarHeight = 20;

} // namespace

bool ZKUtil::isiPhoneX()
{
    const auto window = platform::ui::Application::shared().keyWindow();
    if (!window) {
        return false;
    }
    const auto insets = window->safeAreaInsets();
    return insets.top > kStatusBarHeight || insets.left > kStatusBarHeight;
}

bool ZKUtil::isAccountOwnerEmail(const std::optional<std::string>& email)
{
    const auto owner = platform::UserDefaults::standard().stringForKey(kSignedInEmailKey);
    return email && owner && *email == *owner;
}
