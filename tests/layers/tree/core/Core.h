#pragma once

#include "base/Base.h"

struct Core : Base {};
