#include "dragdrop/DocumentPreviewController.h"

#include "foundation/Bundle.h"
#include "graphics/ImageCodec.h"
#include "graphics/PdfDocument.h"
#include "ui/Button.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Screen.h"

#include <fstream>
#include <iterator>

namespace platform::dragdrop {
namespace {

constexpr double barHeight = 44;
constexpr double margin = 8;
// Pages are rendered sharp enough for the screen without rendering huge pages hugely.
constexpr double previewWidth = 1024;

std::vector<std::uint8_t> contentsOf(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
}

} // namespace

std::shared_ptr<DocumentPreviewController> DocumentPreviewController::make(const std::filesystem::path& file)
{
    const auto bytes = contentsOf(file);
    const std::string name = file.filename().string();
    if (const auto document = graphics::PdfDocument::open(bytes); document && document->pageCount() > 0) {
        const double scale = previewWidth / std::max(1.0, document->pageSize(0)->width);
        const auto page = document->renderPage(0, std::min(scale, 4.0));
        return page ? std::make_shared<DocumentPreviewController>(name, page, document->pageCount()) : nullptr;
    }
    if (const auto image = graphics::ImageCodec::decode(bytes))
        return std::make_shared<DocumentPreviewController>(name, image, 1);
    return nullptr;
}

DocumentPreviewController::DocumentPreviewController(std::string name, graphics::ImagePtr firstPage, int pageCount)
    : name_(std::move(name))
    , firstPage_(std::move(firstPage))
    , pageCount_(pageCount)
{
    setTitle(name_);
}

void DocumentPreviewController::loadView()
{
    auto root = std::make_shared<ui::View>(ui::Screen::main().bounds());
    root->setBackgroundColor(graphics::Color::white());
    titleLabel_ = std::make_shared<ui::Label>();
    titleLabel_->setText(name_);
    doneButton_ = std::make_shared<ui::Button>();
    doneButton_->setTitle(Bundle::main().localizedString("Done", "Done", "LocalizableSDK"));
    doneButton_->addAction(ui::ControlEvent::touchUpInside, [weak = weak_from_this()](ui::Control&) {
        const auto self = std::static_pointer_cast<DocumentPreviewController>(weak.lock());
        // A copy, so that the action may replace itself while it runs.
        const auto action = self ? self->doneAction_ : nullptr;
        if (action)
            action();
    });
    pageView_ = std::make_shared<ui::ImageView>(firstPage_);
    pageView_->setContentMode(ui::ContentMode::scaleAspectFit);
    root->addSubview(pageView_);
    root->addSubview(titleLabel_);
    root->addSubview(doneButton_);
    setView(root);
}

void DocumentPreviewController::viewDidLayoutSubviews()
{
    const graphics::Rect bounds = view()->bounds();
    const double top = view()->safeAreaInsets().top;
    doneButton_->setFrame(graphics::makeRect(bounds.width() - 80 - margin, top, 80, barHeight));
    titleLabel_->setFrame(graphics::makeRect(margin, top, bounds.width() - 96 - margin, barHeight));
    pageView_->setFrame(graphics::makeRect(margin, top + barHeight, bounds.width() - 2 * margin,
        std::max(0.0, bounds.height() - top - barHeight - margin)));
}

} // namespace platform::dragdrop
