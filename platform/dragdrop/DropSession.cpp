#include "dragdrop/DropSession.h"

#include "ui/View.h"

namespace platform::dragdrop {

DropSession::DropSession(std::vector<DragItem> items, graphics::Point locationInWindow)
    : items_(std::move(items))
    , location_(locationInWindow)
{
}

graphics::Point DropSession::locationInView(const ui::View& view) const
{
    return view.convertPointFrom(location_, nullptr);
}

bool DropSession::hasItemsConformingToTypeIdentifiers(const std::vector<std::string>& typeIdentifiers) const
{
    return std::any_of(items_.begin(), items_.end(), [&](const DragItem& item) {
        return item.itemProvider
            && std::any_of(typeIdentifiers.begin(), typeIdentifiers.end(),
                [&](const std::string& type) { return item.itemProvider->hasItemConformingToTypeIdentifier(type); });
    });
}

} // namespace platform::dragdrop
