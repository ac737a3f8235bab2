#pragma once

#include "dragdrop/DragItem.h"
#include "foundation/RunLoop.h"
#include "graphics/Geometry.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform::ui {
class View;
}

namespace platform::dragdrop {

// The items dropped at one place of a window, as a drop target sees them.
class DropSession {
public:
    DropSession(std::vector<DragItem> items, graphics::Point locationInWindow);

    const std::vector<DragItem>& items() const { return items_; }
    // The drop point in the view's coordinates.
    graphics::Point locationInView(const ui::View& view) const;

    // True when some item has data conforming to one of the types.
    bool hasItemsConformingToTypeIdentifiers(const std::vector<std::string>& typeIdentifiers) const;

    template <ItemProviderReading T>
    bool canLoadObjectsOfClass() const
    {
        return std::any_of(items_.begin(), items_.end(),
            [](const DragItem& item) { return item.itemProvider && item.itemProvider->canLoadObjectOfClass<T>(); });
    }

    // Loads an object of the class from every item that can give one, all at once on
    // worker threads, and calls the completion once, later, on the main run loop with
    // the objects in item order; items that cannot be read are left out.
    template <ItemProviderReading T>
    void loadObjectsOfClass(std::function<void(std::vector<std::shared_ptr<T>> objects)> completion) const;

private:
    std::vector<DragItem> items_;
    graphics::Point location_;
};

template <ItemProviderReading T>
void DropSession::loadObjectsOfClass(std::function<void(std::vector<std::shared_ptr<T>> objects)> completion) const
{
    struct Gathering {
        std::mutex mutex;
        std::vector<std::shared_ptr<T>> slots;
        std::size_t outstanding = 0;
        std::function<void(std::vector<std::shared_ptr<T>>)> completion;

        void finish()
        {
            std::vector<std::shared_ptr<T>> objects;
            std::copy_if(slots.begin(), slots.end(), std::back_inserter(objects), [](const auto& object) { return object != nullptr; });
            RunLoop::main().dispatchAsync([completion = std::move(completion), objects = std::move(objects)] { completion(objects); });
        }
    };
    auto gathering = std::make_shared<Gathering>();
    gathering->completion = std::move(completion);
    std::vector<std::pair<std::size_t, ItemProviderPtr>> readable;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].itemProvider && items_[i].itemProvider->canLoadObjectOfClass<T>())
            readable.emplace_back(readable.size(), items_[i].itemProvider);
    }
    gathering->slots.resize(readable.size());
    gathering->outstanding = readable.size();
    if (readable.empty()) {
        gathering->finish();
        return;
    }
    for (const auto& [slot, provider] : readable) {
        provider->template loadObjectOfClassCompletionHandler<T>(
            [gathering, slot = slot](std::shared_ptr<T> object, std::optional<std::string>) {
                std::lock_guard lock(gathering->mutex);
                gathering->slots[slot] = std::move(object);
                if (--gathering->outstanding == 0)
                    gathering->finish();
            });
    }
}

} // namespace platform::dragdrop
