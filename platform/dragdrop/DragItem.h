#pragma once

#include "dragdrop/ItemProvider.h"

#include <memory>

namespace platform::dragdrop {

// One item of a drag: the provider of its data.
struct DragItem {
    ItemProviderPtr itemProvider;
};

} // namespace platform::dragdrop
