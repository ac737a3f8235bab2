#pragma once

#include <filesystem>
#include <memory>

namespace platform::ui {
class ViewController;
}

namespace platform::dragdrop {

class DocumentInteractionController;
class DocumentPreviewController;

class DocumentInteractionControllerDelegate {
public:
    virtual ~DocumentInteractionControllerDelegate() = default;

    // The controller that presents the preview; none means no preview.
    virtual std::shared_ptr<ui::ViewController> documentInteractionControllerViewControllerForPreview(
        DocumentInteractionController& controller) = 0;
    // The preview has been dismissed; the file may be removed now.
    virtual void documentInteractionControllerDidEndPreview(DocumentInteractionController& controller)
    {
        (void)controller;
    }
};

// Previews a file (a PDF's first page, or a picture) on a screen of its own, presented
// from the controller its delegate names, and tells the delegate when the preview ends.
// While a preview is up the preview keeps this controller alive.
class DocumentInteractionController : public std::enable_shared_from_this<DocumentInteractionController> {
public:
    static std::shared_ptr<DocumentInteractionController> interactionControllerWithURL(const std::filesystem::path& file);

    explicit DocumentInteractionController(std::filesystem::path file);

    const std::filesystem::path& url() const { return file_; }
    std::string name() const { return file_.filename().string(); }
    void setDelegate(const std::shared_ptr<DocumentInteractionControllerDelegate>& delegate) { delegate_ = delegate; }
    std::shared_ptr<DocumentInteractionControllerDelegate> delegate() const { return delegate_.lock(); }

    // False when there is no delegate or presenter, a preview is already up, or the
    // file cannot be previewed.
    bool presentPreviewAnimated(bool animated);
    // Ends the preview as the Done button does.
    void dismissPreviewAnimated(bool animated);
    std::shared_ptr<DocumentPreviewController> previewController() const { return preview_; }

private:
    std::filesystem::path file_;
    std::weak_ptr<DocumentInteractionControllerDelegate> delegate_;
    std::shared_ptr<DocumentPreviewController> preview_;
};

} // namespace platform::dragdrop
