#include "dragdrop/ItemProvider.h"

#include "dragdrop/TypeIdentifier.h"
#include "foundation/BackgroundWork.h"

#include <algorithm>

namespace platform::dragdrop {

ItemProvider::ItemProvider(const std::string& typeIdentifier, Bytes data)
{
    registerData(typeIdentifier, std::move(data));
}

void ItemProvider::registerData(const std::string& typeIdentifier, Bytes data)
{
    auto shared = std::make_shared<const Bytes>(std::move(data));
    registerDataLoader(typeIdentifier, [shared] { return std::optional<Bytes>(*shared); });
}

void ItemProvider::registerDataLoader(const std::string& typeIdentifier, DataLoader loader)
{
    representations_.push_back({typeIdentifier, std::move(loader)});
}

std::vector<std::string> ItemProvider::registeredTypeIdentifiers() const
{
    std::vector<std::string> types;
    for (const auto& representation : representations_)
        types.push_back(representation.typeIdentifier);
    return types;
}

bool ItemProvider::hasItemConformingToTypeIdentifier(std::string_view typeIdentifier) const
{
    return std::any_of(representations_.begin(), representations_.end(), [typeIdentifier](const Representation& r) {
        return TypeIdentifier::conformsTo(r.typeIdentifier, typeIdentifier);
    });
}

void ItemProvider::loadDataRepresentationForTypeIdentifierCompletionHandler(
    const std::string& typeIdentifier, DataCompletion completion) const
{
    const auto found = std::find_if(representations_.begin(), representations_.end(), [&](const Representation& r) {
        return TypeIdentifier::conformsTo(r.typeIdentifier, typeIdentifier);
    });
    if (found == representations_.end()) {
        startOnWorker([completion, typeIdentifier] {
            completion(std::nullopt, "The item has no data of type " + typeIdentifier);
        });
        return;
    }
    startOnWorker([completion, loader = found->loader, typeIdentifier] {
        auto data = loader();
        if (data)
            completion(std::move(data), std::nullopt);
        else
            completion(std::nullopt, "The data of type " + typeIdentifier + " could not be loaded");
    });
}

void ItemProvider::startOnWorker(std::function<void()> work)
{
    BackgroundWork::start(std::move(work));
}

} // namespace platform::dragdrop
