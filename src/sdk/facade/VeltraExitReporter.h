#pragma once

#include "ceremony/screens/ZKCTouchManager.h"

// Tells the facade's host delegate that the SDK's screens closed.
class VeltraExitReporter {
public:
    static ZKCTouchManager::ExitHandler handler();
};
