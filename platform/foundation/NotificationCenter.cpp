#include "foundation/NotificationCenter.h"

#include "foundation/SharedInstances.h"

#include <algorithm>

namespace platform {

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter* center = [] {
        auto* created = new NotificationCenter();
        SharedInstances::registerReset([created] { created->reset(); });
        return created;
    }();
    return *center;
}

NotificationCenter::Token NotificationCenter::addObserver(const std::shared_ptr<void>& owner, const std::string& name,
                                                          const void* object, Handler handler)
{
    std::lock_guard lock(mutex_);
    const Token token = nextToken_++;
    registrations_.push_back(Registration{token, name, object, owner.get(), owner, owner != nullptr,
                                          std::make_shared<Handler>(std::move(handler))});
    return token;
}

NotificationCenter::Token NotificationCenter::addObserver(const std::string& name, Handler handler)
{
    return addObserver(nullptr, name, nullptr, std::move(handler));
}

void NotificationCenter::removeObserver(Token token)
{
    std::lock_guard lock(mutex_);
    std::erase_if(registrations_, [token](const Registration& r) { return r.token == token; });
}

void NotificationCenter::removeObserver(const void* owner)
{
    if (!owner)
        return;
    std::lock_guard lock(mutex_);
    std::erase_if(registrations_, [owner](const Registration& r) { return r.hasOwner && r.ownerKey == owner; });
}

void NotificationCenter::post(const std::string& name, const std::shared_ptr<void>& object, const Dictionary& userInfo)
{
    struct Delivery {
        Token token;
        std::shared_ptr<void> keepAlive;
        std::shared_ptr<Handler> handler;
    };
    std::vector<Delivery> deliveries;
    {
        std::lock_guard lock(mutex_);
        std::erase_if(registrations_, [](const Registration& r) { return r.hasOwner && r.owner.expired(); });
        for (const auto& r : registrations_) {
            if (r.name != name || (r.object && r.object != object.get()))
                continue;
            auto owner = r.owner.lock();
            if (r.hasOwner && !owner)
                continue;
            deliveries.push_back({r.token, std::move(owner), r.handler});
        }
    }
    const Notification notification{name, object, userInfo};
    for (const auto& delivery : deliveries) {
        // An observer removed by an earlier handler of this post is not called.
        if (isRegistered(delivery.token))
            (*delivery.handler)(notification);
    }
}

bool NotificationCenter::isRegistered(Token token)
{
    std::lock_guard lock(mutex_);
    return std::any_of(registrations_.begin(), registrations_.end(), [token](const Registration& r) { return r.token == token; });
}

void NotificationCenter::reset()
{
    std::vector<Registration> dropped;
    std::lock_guard lock(mutex_);
    dropped.swap(registrations_);
}

} // namespace platform
