#include "DemoRegistry.h"

#include <algorithm>
#include <iostream>

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

void sayBuiltWithoutService(const DemoContext&)
{
    std::cout << "This host was built without the stand-in service; nothing to show.\n";
}

} // namespace host
