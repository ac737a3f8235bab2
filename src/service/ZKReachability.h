#pragma once

#include <atomic>
#include <memory>

// Whether the service can be reached now and whether over Wi-Fi: what the connection
// notifier last reported. Until it reports, the device counts as online over Wi-Fi, so
// a request is tried and its own failure decides. A report that changes the status is
// posted as kConnectionChangedNotification on the default centre, on the reporting
// thread. Safe from any thread.
class ZKReachability {
public:
    // User info {"connected", "wifi"}: the new status.
    static constexpr const char* kConnectionChangedNotification = "com.veltra.vltnotifier.connection.changed";

    static std::shared_ptr<ZKReachability> sharedInstance();

    bool isConnected() const { return connected_; }
    bool isOnWifi() const { return wifi_; }
    void setStatus(bool connected, bool wifi);

private:
    std::atomic<bool> connected_{true};
    std::atomic<bool> wifi_{true};
};
