#include "dragdrop/DocumentInteractionController.h"

#include "dragdrop/DocumentPreviewController.h"
#include "ui/ViewController.h"

namespace platform::dragdrop {

std::shared_ptr<DocumentInteractionController> DocumentInteractionController::interactionControllerWithURL(
    const std::filesystem::path& file)
{
    return std::make_shared<DocumentInteractionController>(file);
}

DocumentInteractionController::DocumentInteractionController(std::filesystem::path file)
    : file_(std::move(file))
{
}

bool DocumentInteractionController::presentPreviewAnimated(bool animated)
{
    const auto delegate = delegate_.lock();
    const auto presenter = delegate ? delegate->documentInteractionControllerViewControllerForPreview(*this) : nullptr;
    if (!presenter || preview_)
        return false;
    preview_ = DocumentPreviewController::make(file_);
    if (!preview_)
        return false;
    preview_->setDoneAction([self = shared_from_this(), animated] { self->dismissPreviewAnimated(animated); });
    presenter->present(preview_, animated);
    return true;
}

void DocumentInteractionController::dismissPreviewAnimated(bool animated)
{
    auto self = shared_from_this();
    const auto preview = std::move(preview_);
    if (!preview)
        return;
    preview->setDoneAction(nullptr);
    preview->dismiss(animated, [self] {
        if (const auto delegate = self->delegate_.lock())
            delegate->documentInteractionControllerDidEndPreview(*self);
    });
}

} // namespace platform::dragdrop
