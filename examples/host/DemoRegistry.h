#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace host {

// What every part of the sample host gets: where to write files it shows the user.
struct DemoContext {
    std::filesystem::path outputDirectory;
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

struct DemoRegistration {
    DemoRegistration(int order, std::string title, DemoRegistry::Demo run)
    {
        DemoRegistry::shared().add({order, std::move(title), std::move(run)});
    }
};

} // namespace host
