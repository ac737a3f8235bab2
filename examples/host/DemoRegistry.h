#pragma once

#include "ui/Screen.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace host {

// What every part of the sample host gets: where to write files it shows the user, and
// the devices a part that walks screens walks them on, in order.
struct DemoContext {
    std::filesystem::path outputDirectory;
    std::vector<platform::ui::DeviceProfile> devices{platform::ui::DeviceProfile::phone,
                                                     platform::ui::DeviceProfile::tablet};
};

// The parts of the sample host, run in order. Each part registers itself from its own
// source file with a DemoRegistration, so parts are added without touching main().
class DemoRegistry {
public:
    using Demo = std::function<void(const DemoContext&)>;
    struct Entry {
        int order;
        std::string title;
        Demo run;
    };

    static DemoRegistry& shared();

    void add(Entry entry);
    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

// What a part that signs in against the stand-in service shows in a host built without it.
void sayBuiltWithoutService(const DemoContext& context);

// Marks a part that walks screens on each device of its context.
struct WalksDevices {};

struct DemoRegistration {
    // Parts after every walk on a phone and a tablet walk again on a phone with a notch, so
    // that the clock and the store the first walks see are as they were without them.
    static constexpr int notchWalkOrder = 100;

    DemoRegistration(int order, std::string title, DemoRegistry::Demo run)
    {
        DemoRegistry::shared().add({order, std::move(title), std::move(run)});
    }
    // The part on a phone and a tablet, then again on a phone with a notch.
    DemoRegistration(int order, std::string title, DemoRegistry::Demo run, WalksDevices);
};

} // namespace host
