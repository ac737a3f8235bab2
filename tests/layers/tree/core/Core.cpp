#include "core/Core.h"
#include "core/screens/Page.h"
#include "missing/Elsewhere.h"
