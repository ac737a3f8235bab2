#include "DemoRegistry.h"

#include <algorithm>

namespace host {

DemoRegistry& DemoRegistry::shared()
{
    static DemoRegistry registry;
    return registry;
}

void DemoRegistry::add(Entry entry)
{
    const auto position = std::upper_bound(entries_.begin(), entries_.end(), entry.order,
                                           [](int order, const Entry& e) { return order < e.order; });
    entries_.insert(position, std::move(entry));
}

} // namespace host
