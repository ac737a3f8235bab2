#include "sdk/screens/VLTOpenInPreviewController.h"

#include "sdk/screens/VLTOpenInPreviewStoryboard.h"
#include "sdk/screens/VLTPdfFirstPage.h"
#include "support/LocalizedSDK.h"
#include "support/ZKScreen.h"
#include "ui/Screen.h"
#include "ui/Storyboard.h"

#include <filesystem>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double barHeight = 44;
constexpr double margin = 12;

} // namespace

std::shared_ptr<VLTOpenInPreviewController> VLTOpenInPreviewController::openInVC()
{
    const auto storyboard = VLTOpenInPreviewStoryboard::named();
    if (!storyboard) {
        return nullptr;
    }
    return std::dynamic_pointer_cast<VLTOpenInPreviewController>(
        storyboard->instantiateViewController(VLTOpenInPreviewStoryboard::previewScene));
}

std::string VLTOpenInPreviewController::fileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

void VLTOpenInPreviewController::setPdfPath(const std::string& path)
{
    pdfPath_ = path;
    if (pageView_) {
        pageView_->setImage(VLTPdfFirstPage::render(pdfPath_));
    }
}

void VLTOpenInPreviewController::setContext(const std::string& text)
{
    context_ = text;
    setTitle(text);
    if (titleLabel_) {
        titleLabel_->setText(text);
    }
}

void VLTOpenInPreviewController::loadView()
{
    auto root = std::make_shared<platform::ui::View>(platform::ui::Screen::main().bounds());
    root->setBackgroundColor(Color::white());
    titleLabel_ = std::make_shared<platform::ui::Label>();
    titleLabel_->setFont(platform::ui::Font::boldSystemFont(17));
    titleLabel_->setTextAlignment(platform::ui::TextAlignment::center);
    titleLabel_->setText(context_);
    pageView_ = std::make_shared<platform::ui::ImageView>(VLTPdfFirstPage::render(pdfPath_));
    pageView_->setContentMode(platform::ui::ContentMode::scaleAspectFit);
    pageView_->setBackgroundColor(Color::systemGray6());
    startButton_ = makeChoiceButton(localizedSDK("Start"), Choice::start);
    saveButton_ = makeChoiceButton(localizedSDK("Save"), Choice::save);
    root->addSubview(titleLabel_);
    root->addSubview(pageView_);
    root->addSubview(startButton_);
    root->addSubview(saveButton_);
    setView(root);
}

std::shared_ptr<platform::ui::Button> VLTOpenInPreviewController::makeChoiceButton(const std::string& title,
                                                                                  Choice choice)
{
    auto button = std::make_shared<platform::ui::Button>();
    button->setTitle(title);
    button->setTitleColor(Color::systemBlue());
    button->addAction(platform::ui::ControlEvent::touchUpInside, [weak = weak_from_this(), choice](auto&) {
        if (const auto self = std::static_pointer_cast<VLTOpenInPreviewController>(weak.lock())) {
            self->choose(choice);
        }
    });
    return button;
}

void VLTOpenInPreviewController::viewDidLayoutSubviews()
{
    const platform::ui::Rect bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    const double bottom = bounds.height() - view()->safeAreaInsets().bottom;
    const auto safeBand = ZKScreen::withinSafeSides(*view(), bounds);
    const double halfWidth = safeBand.width() / 2;
    const auto inner = safeBand.insetBy(margin, 0);
    titleLabel_->setFrame(makeRect(inner.minX(), top, inner.width(), barHeight));
    saveButton_->setFrame(makeRect(safeBand.minX(), bottom - barHeight, halfWidth, barHeight));
    startButton_->setFrame(makeRect(safeBand.midX(), bottom - barHeight, halfWidth, barHeight));
    pageView_->setFrame(makeRect(inner.minX(), top + barHeight, inner.width(),
                                 std::max(0.0, bottom - top - 2 * barHeight - margin)));
}

void VLTOpenInPreviewController::viewWillAppear(bool animated)
{
    ViewController::viewWillAppear(animated);
    choiceMade_ = false;
}

void VLTOpenInPreviewController::choose(Choice choice)
{
    // A second tap while the preview closes would hand the same file over twice.
    if (choiceMade_) {
        return;
    }
    choiceMade_ = true;
    // The delegate hears of the choice once the preview is gone, so that it may present
    // a screen of its own from the same controller.
    dismiss(true, [delegate = delegate_, path = pdfPath_, choice] {
        const auto listener = delegate.lock();
        if (!listener) {
            return;
        }
        const std::string name = fileNameOf(path);
        if (choice == Choice::start) {
            listener->didSelectStartInPreviewForFileAtPathName(path, name);
        } else {
            listener->didSelectSaveForFileAtPathName(path, name);
        }
    });
}
