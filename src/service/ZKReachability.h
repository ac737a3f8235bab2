#pragma once

#include <atomic>
#include <memory>

// Whether the service can be reached now and whether over Wi-Fi: what the connection
// notifier last reported. Until it reports, the device counts as online over Wi-Fi, so
// a request is tried and its own failure decides.
class ZKReachability {
public:
    static std::shared_ptr<ZKReachability> sharedInstance();

    bool isConnected() const { return connected_; }
    bool isOnWifi() const { return wifi_; }
    void setStatus(bool connected, bool wifi);

private:
    std::atomic<bool> connected_{true};
    std::atomic<bool> wifi_{true};
};
