#pragma once

#include "sdk/screens/VLTOpenInPreviewControllerDelegate.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <memory>
#include <string>

// The preview of a PDF that another application opened into the host: a title, the
// file's first page, and two choices, Start and Save. Either choice closes the preview
// and then tells the delegate, with the file's path and its name (the last component of
// the path, extension kept). A missing or unreadable file leaves the page area empty;
// the choices still reach the delegate, which decides what to do with such a file.
class VLTOpenInPreviewController : public platform::ui::ViewController {
public:
    // The preview scene of the storyboard "OpenInPreview".
    static std::shared_ptr<VLTOpenInPreviewController> openInVC();

    const std::string& pdfPath() const { return pdfPath_; }
    void setPdfPath(const std::string& path);
    // The title text.
    const std::string& context() const { return context_; }
    void setContext(const std::string& text);
    std::shared_ptr<VLTOpenInPreviewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::weak_ptr<VLTOpenInPreviewControllerDelegate>& delegate) { delegate_ = delegate; }

    // The file name handed to the delegate for `path`.
    static std::string fileNameOf(const std::string& path);

    const std::shared_ptr<platform::ui::Label>& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<platform::ui::ImageView>& pageView() const { return pageView_; }
    const std::shared_ptr<platform::ui::Button>& startButton() const { return startButton_; }
    const std::shared_ptr<platform::ui::Button>& saveButton() const { return saveButton_; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidLayoutSubviews() override;

private:
    enum class Choice { start, save };
    std::shared_ptr<platform::ui::Button> makeChoiceButton(const std::string& title, Choice choice);
    void choose(Choice choice);

    std::string pdfPath_;
    std::string context_;
    std::weak_ptr<VLTOpenInPreviewControllerDelegate> delegate_;
    bool choiceMade_ = false;
    std::shared_ptr<platform::ui::Label> titleLabel_;
    std::shared_ptr<platform::ui::ImageView> pageView_;
    std::shared_ptr<platform::ui::Button> startButton_;
    std::shared_ptr<platform::ui::Button> saveButton_;
};
