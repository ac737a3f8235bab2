#pragma once

#include "dragdrop/DropProposal.h"
#include "dragdrop/DropSession.h"
#include "ui/Interaction.h"

#include <memory>

namespace platform::dragdrop {

class DropInteraction;

// Decides what happens to items dropped on the view of a drop interaction. Every
// operation is optional: by default a session is handled, proposed nothing (cancel),
// and a drop does nothing.
class DropInteractionDelegate {
public:
    virtual ~DropInteractionDelegate() = default;

    virtual bool dropInteractionCanHandleSession(DropInteraction& interaction, const DropSession& session);
    virtual DropProposal dropInteractionSessionDidUpdate(DropInteraction& interaction, const DropSession& session);
    virtual void dropInteractionPerformDrop(DropInteraction& interaction, const DropSession& session);
};

// Makes the view it is added to a drop target. The delegate is held weakly.
class DropInteraction : public ui::Interaction {
public:
    explicit DropInteraction(const std::shared_ptr<DropInteractionDelegate>& delegate);

    std::shared_ptr<DropInteractionDelegate> delegate() const { return delegate_.lock(); }

private:
    std::weak_ptr<DropInteractionDelegate> delegate_;
};

} // namespace platform::dragdrop
