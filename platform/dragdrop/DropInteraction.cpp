#include "dragdrop/DropInteraction.h"

namespace platform::dragdrop {

bool DropInteractionDelegate::dropInteractionCanHandleSession(DropInteraction&, const DropSession&)
{
    return true;
}

DropProposal DropInteractionDelegate::dropInteractionSessionDidUpdate(DropInteraction&, const DropSession&)
{
    return {};
}

void DropInteractionDelegate::dropInteractionPerformDrop(DropInteraction&, const DropSession&)
{
}

DropInteraction::DropInteraction(const std::shared_ptr<DropInteractionDelegate>& delegate)
    : delegate_(delegate)
{
}

} // namespace platform::dragdrop
