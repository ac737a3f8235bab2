#include "service/ZKSession.h"

#include "foundation/SharedInstances.h"

#include <utility>

std::shared_ptr<ZKSession> ZKSession::sharedInstance()
{
    return platform::SharedInstance<ZKSession>::get();
}

std::optional<std::string> ZKSession::sessionId() const
{
    std::lock_guard lock(mutex_);
    return sessionId_;
}

void ZKSession::setSessionId(std::optional<std::string> sessionId)
{
    std::lock_guard lock(mutex_);
    if (sessionId && sessionId->empty()) {
        sessionId.reset();
    }
    sessionId_ = std::move(sessionId);
}
