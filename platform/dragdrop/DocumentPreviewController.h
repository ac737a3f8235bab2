#pragma once

#include "graphics/Image.h"
#include "ui/ViewController.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace platform::ui {
class Button;
class ImageView;
class Label;
} // namespace platform::ui

namespace platform::dragdrop {

// The screen of a document preview: the file's name, its first page (or the picture
// itself) fitted into the screen, its page count, and a Done button that ends the preview.
class DocumentPreviewController : public ui::ViewController {
public:
    // Answers nullptr for a file that cannot be previewed (missing, or neither a PDF
    // nor an image).
    static std::shared_ptr<DocumentPreviewController> make(const std::filesystem::path& file);

    DocumentPreviewController(std::string name, graphics::ImagePtr firstPage, int pageCount);

    const graphics::ImagePtr& firstPage() const { return firstPage_; }
    int pageCount() const { return pageCount_; }
    const std::shared_ptr<ui::Button>& doneButton() const { return doneButton_; }
    const std::shared_ptr<ui::ImageView>& pageView() const { return pageView_; }
    const std::shared_ptr<ui::Label>& titleLabel() const { return titleLabel_; }

    // Run when the user taps Done.
    void setDoneAction(std::function<void()> action) { doneAction_ = std::move(action); }

    void loadView() override;
    void viewDidLayoutSubviews() override;

private:
    std::string name_;
    graphics::ImagePtr firstPage_;
    int pageCount_;
    std::shared_ptr<ui::Button> doneButton_;
    std::shared_ptr<ui::ImageView> pageView_;
    std::shared_ptr<ui::Label> titleLabel_;
    std::function<void()> doneAction_;
};

} // namespace platform::dragdrop
