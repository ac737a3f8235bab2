#pragma once

#include "foundation/Dictionary.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

struct Notification {
    std::string name;
    std::shared_ptr<void> object;
    Dictionary userInfo;
};

// Delivers notifications synchronously on the posting thread to the observers of their
// name (and object, when an observer names one). An observer whose owner has been
// destroyed is never called.
class NotificationCenter {
public:
    using Token = std::uint64_t;
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // `owner` identifies the observer for removeObserver(owner) and ends the registration
    // when it is destroyed. `object` filters on the posted object; nullptr takes any.
    Token addObserver(const std::shared_ptr<void>& owner, const std::string& name, const void* object,
                      Handler handler);
    // A registration without an owner; it lives until removed by its token.
    Token addObserver(const std::string& name, Handler handler);

    void removeObserver(Token token);
    void removeObserver(const void* owner);

    void post(const std::string& name, const std::shared_ptr<void>& object = nullptr,
              const Dictionary& userInfo = Dictionary::object());

    void reset();

private:
    struct Registration {
        Token token;
        std::string name;
        const void* object;
        const void* ownerKey;
        std::weak_ptr<void> owner;
        bool hasOwner;
        std::shared_ptr<Handler> handler;
    };

    bool isRegistered(Token token);

    std::mutex mutex_;
    std::vector<Registration> registrations_;
    Token nextToken_ = 1;
};

} // namespace platform
