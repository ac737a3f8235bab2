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

DemoRegistration::DemoRegistration(int order, std::string title, DemoRegistry::Demo run, WalksDevices)
{
    auto& registry = DemoRegistry::shared();
    registry.add({notchWalkOrder + order, title + ", on a phone with a notch", [run](const DemoContext& context) {
                      DemoContext notch = context;
                      notch.devices = {platform::ui::DeviceProfile::phoneWithNotch};
                      run(notch);
                  }});
    registry.add({order, std::move(title), std::move(run)});
}

void sayBuiltWithoutService(const DemoContext&)
{
    std::cout << "This host was built without the stand-in service; nothing to show.\n";
}

} // namespace host
