#include "dragdrop/DocumentInteractionController.h"
#include "dragdrop/DocumentPreviewController.h"
#include "foundation/AtomicFile.h"
#include "foundation/RunLoop.h"
#include "graphics/DocumentConverter.h"
#include "graphics/PdfDocument.h"
#include "support/VeltraTest.h"
#include "ui/Button.h"
#include "ui/TouchInjector.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <filesystem>

using namespace platform::dragdrop;
using namespace platform::ui;
using platform::RunLoop;

namespace {

// Presents from the root controller and removes the file when the preview ends.
class Previewer : public DocumentInteractionControllerDelegate {
public:
    std::shared_ptr<ViewController> presenter;
    int ended = 0;

    std::shared_ptr<ViewController> documentInteractionControllerViewControllerForPreview(DocumentInteractionController&) override
    {
        return presenter;
    }
    void documentInteractionControllerDidEndPreview(DocumentInteractionController& controller) override
    {
        ++ended;
        std::filesystem::remove(controller.url());
    }
};

class DocumentPreviewTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        root = std::make_shared<ViewController>();
        window->setRootViewController(root);
        window->makeKeyAndVisible();
        previewer->presenter = root;
    }

    std::filesystem::path writeTextPdf(const std::string& name, int lines)
    {
        std::string text;
        for (int i = 0; i < lines; ++i)
            text += "line " + std::to_string(i) + "\n";
        const auto path = home() / "tmp" / name;
        EXPECT_TRUE(platform::graphics::DocumentConverter::writePdf(
            "a.txt", std::vector<std::uint8_t>(text.begin(), text.end()), {}, path));
        return path;
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<ViewController> root;
    std::shared_ptr<Previewer> previewer = std::make_shared<Previewer>();
};

TEST_F(DocumentPreviewTest, ShowsTheFirstPageAndRemovesTheFileWhenDone)
{
    const auto file = writeTextPdf("Contract.pdf", 150);
    auto interaction = DocumentInteractionController::interactionControllerWithURL(file);
    interaction->setDelegate(previewer);
    ASSERT_TRUE(interaction->presentPreviewAnimated(true));
    EXPECT_FALSE(interaction->presentPreviewAnimated(true));
    RunLoop::main().advance(1);

    const auto preview = interaction->previewController();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(root->presentedViewController(), preview);
    EXPECT_EQ(preview->pageCount(), platform::graphics::PdfDocument::openFile(file)->pageCount());
    EXPECT_GT(preview->pageCount(), 1);
    EXPECT_EQ(preview->title(), "Contract.pdf");
    ASSERT_NE(preview->firstPage(), nullptr);
    EXPECT_NEAR(preview->firstPage()->size().width, 612, 1);
    EXPECT_GT(preview->firstPage()->pixelWidth(), 1000);

    // The caller may let go: the preview keeps its controller until it ends.
    interaction.reset();
    window->layoutIfNeeded();
    TouchInjector(window).tap(*preview->doneButton());
    RunLoop::main().advance(1);
    EXPECT_EQ(previewer->ended, 1);
    EXPECT_EQ(root->presentedViewController(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(DocumentPreviewTest, PicturesPreviewAsOnePage)
{
    platform::graphics::Image image(30, 20);
    const auto png = image.pngData();
    const auto file = home() / "Photo.png";
    platform::AtomicFile::write(file, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()));
    auto interaction = DocumentInteractionController::interactionControllerWithURL(file);
    interaction->setDelegate(previewer);
    ASSERT_TRUE(interaction->presentPreviewAnimated(false));
    EXPECT_EQ(interaction->previewController()->pageCount(), 1);
    interaction->dismissPreviewAnimated(false);
    RunLoop::main().advance(1);
    EXPECT_EQ(previewer->ended, 1);
    EXPECT_EQ(interaction->previewController(), nullptr);
}

TEST_F(DocumentPreviewTest, NothingToPreviewPresentsNothing)
{
    const auto text = home() / "notes.txt";
    platform::AtomicFile::write(text, "plain words");
    auto unreadable = DocumentInteractionController::interactionControllerWithURL(text);
    unreadable->setDelegate(previewer);
    EXPECT_FALSE(unreadable->presentPreviewAnimated(false));
    EXPECT_FALSE(DocumentInteractionController::interactionControllerWithURL(home() / "missing.pdf")->presentPreviewAnimated(false));

    const auto pdf = writeTextPdf("a.pdf", 1);
    auto withoutDelegate = DocumentInteractionController::interactionControllerWithURL(pdf);
    EXPECT_FALSE(withoutDelegate->presentPreviewAnimated(false));
    previewer->presenter = nullptr;
    withoutDelegate->setDelegate(previewer);
    EXPECT_FALSE(withoutDelegate->presentPreviewAnimated(false));
    EXPECT_EQ(root->presentedViewController(), nullptr);
    withoutDelegate->dismissPreviewAnimated(false);
    EXPECT_EQ(previewer->ended, 0);
    EXPECT_TRUE(std::filesystem::exists(pdf));
}

} // namespace
