#pragma once

#include "ui/Orientation.h"

#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class Window;

struct ApplicationNotifications {
    static constexpr const char* willEnterForeground = "ApplicationWillEnterForeground";
    static constexpr const char* didEnterBackground = "ApplicationDidEnterBackground";
};

// The running application (shared instance): its key window, the URLs it was asked to
// open, and its foreground transitions.
class Application {
public:
    // The URL that opens this application's page of the device settings.
    static constexpr const char* openSettingsURLString = "app-settings:";

    static Application& shared();

    std::shared_ptr<Window> keyWindow() const { return keyWindow_.lock(); }
    void setKeyWindow(const std::shared_ptr<Window>& window);
    std::vector<std::shared_ptr<Window>> windows() const;

    InterfaceOrientation statusBarOrientation() const;

    // Records the URL and answers whether it could be opened (any non-empty URL can).
    bool openURL(const std::string& url);
    const std::vector<std::string>& openedURLs() const { return openedURLs_; }

    void enterBackground();
    void enterForeground();

private:
    std::weak_ptr<Window> keyWindow_;
    std::vector<std::weak_ptr<Window>> windows_;
    std::vector<std::string> openedURLs_;
};

} // namespace platform::ui
