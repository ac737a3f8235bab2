#pragma once

#include "core/Core.h"

struct Page {
    Core core;
};
