#include "ui/Application.h"

#include "foundation/NotificationCenter.h"
#include "foundation/SharedInstances.h"
#include "ui/Screen.h"
#include "ui/Window.h"

#include <algorithm>

namespace platform::ui {

Application& Application::shared()
{
    return *SharedInstance<Application>::get();
}

void Application::setKeyWindow(const std::shared_ptr<Window>& window)
{
    keyWindow_ = window;
    const bool known = std::any_of(windows_.begin(), windows_.end(),
                                   [&](const auto& candidate) { return candidate.lock() == window; });
    if (!known) {
        windows_.push_back(window);
    }
}

std::vector<std::shared_ptr<Window>> Application::windows() const
{
    std::vector<std::shared_ptr<Window>> alive;
    for (const auto& window : windows_) {
        if (auto strong = window.lock()) {
            alive.push_back(strong);
        }
    }
    return alive;
}

InterfaceOrientation Application::statusBarOrientation() const
{
    return Screen::main().orientation();
}

bool Application::openURL(const std::string& url)
{
    if (url.empty()) {
        return false;
    }
    openedURLs_.push_back(url);
    return true;
}

void Application::enterBackground()
{
    NotificationCenter::defaultCenter().post(ApplicationNotifications::didEnterBackground);
}

void Application::enterForeground()
{
    NotificationCenter::defaultCenter().post(ApplicationNotifications::willEnterForeground);
}

} // namespace platform::ui
