#pragma once

#include "dragdrop/ItemProviderReading.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::dragdrop {

// The data of one dragged item, in one or more representations (type identifiers).
// Loading runs on a worker thread and answers there, never on the caller's thread.
class ItemProvider {
public:
    // Produces a representation's bytes on the worker thread; nullopt when it cannot.
    using DataLoader = std::function<std::optional<Bytes>()>;
    using DataCompletion = std::function<void(std::optional<Bytes> data, std::optional<std::string> error)>;

    ItemProvider() = default;
    ItemProvider(const std::string& typeIdentifier, Bytes data);

    void registerData(const std::string& typeIdentifier, Bytes data);
    void registerDataLoader(const std::string& typeIdentifier, DataLoader loader);
    // In order of registration, the highest fidelity first.
    std::vector<std::string> registeredTypeIdentifiers() const;
    bool hasItemConformingToTypeIdentifier(std::string_view typeIdentifier) const;

    const std::optional<std::string>& suggestedName() const { return suggestedName_; }
    void setSuggestedName(std::optional<std::string> name) { suggestedName_ = std::move(name); }

    // Loads the first representation that conforms to the type; an error when none does
    // or its loader fails.
    void loadDataRepresentationForTypeIdentifierCompletionHandler(
        const std::string& typeIdentifier, DataCompletion completion) const;

    // The first of the class's readable identifiers that a representation conforms to.
    template <ItemProviderReading T>
    std::optional<std::string> readableTypeIdentifierFor() const
    {
        for (const std::string& readable : T::readableTypeIdentifiersForItemProvider()) {
            if (hasItemConformingToTypeIdentifier(readable))
                return readable;
        }
        return std::nullopt;
    }

    template <ItemProviderReading T>
    bool canLoadObjectOfClass() const
    {
        return readableTypeIdentifierFor<T>().has_value();
    }

    // Loads the preferred readable representation and makes the object from it, on the
    // worker thread; the object is null (with an error) when nothing could be read.
    template <ItemProviderReading T>
    void loadObjectOfClassCompletionHandler(
        std::function<void(std::shared_ptr<T> object, std::optional<std::string> error)> completion) const
    {
        const auto readable = readableTypeIdentifierFor<T>();
        if (!readable) {
            startOnWorker([completion] { completion(nullptr, std::string("The item offers no readable type")); });
            return;
        }
        loadDataRepresentationForTypeIdentifierCompletionHandler(
            *readable, [completion, readable](std::optional<Bytes> data, std::optional<std::string> error) {
                if (!data) {
                    completion(nullptr, std::move(error));
                    return;
                }
                std::optional<std::string> readError;
                auto object = T::objectWithItemProviderDataTypeIdentifierError(*data, *readable, readError);
                if (object)
                    completion(std::move(object), std::nullopt);
                else
                    completion(nullptr, readError.value_or("The data could not be read"));
            });
    }

private:
    struct Representation {
        std::string typeIdentifier;
        DataLoader loader;
    };

    static void startOnWorker(std::function<void()> work);

    std::vector<Representation> representations_;
    std::optional<std::string> suggestedName_;
};

using ItemProviderPtr = std::shared_ptr<ItemProvider>;

} // namespace platform::dragdrop
