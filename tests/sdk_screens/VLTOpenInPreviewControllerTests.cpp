#include "support/VeltraTest.h"

#include "graphics/DrawingContext.h"
#include "graphics/PdfWriter.h"
#include "sdk/screens/VLTOpenInPreviewController.h"
#include "ui/Storyboard.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <fstream>

using platform::graphics::Color;
using platform::ui::TouchInjector;

namespace {

struct Choice {
    std::string kind;
    std::string path;
    std::string name;
    bool operator==(const Choice&) const = default;
};

class RecordingPreviewDelegate : public VLTOpenInPreviewControllerDelegate {
public:
    void didSelectStartInPreviewForFileAtPathName(const std::string& path, const std::string& name) override
    {
        choices.push_back({"start", path, name});
    }
    void didSelectSaveForFileAtPathName(const std::string& path, const std::string& name) override
    {
        choices.push_back({"save", path, name});
    }
    std::vector<Choice> choices;
};

bool isDark(std::uint32_t argb)
{
    return ((argb >> 16) & 0xff) < 0x40 && ((argb >> 8) & 0xff) < 0x40 && (argb & 0xff) < 0x40;
}

bool isLight(std::uint32_t argb)
{
    return ((argb >> 16) & 0xff) > 0xe0 && ((argb >> 8) & 0xff) > 0xe0 && (argb & 0xff) > 0xe0;
}

// The host's screen, from which the preview is presented as a user would see it.
class VLTOpenInPreviewTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        host = std::make_shared<platform::ui::ViewController>();
        window = std::make_shared<platform::ui::Window>();
        window->setRootViewController(host);
        window->makeKeyAndVisible();
        delegate = std::make_shared<RecordingPreviewDelegate>();
    }

    // A one-page letter-size PDF, black in its middle half.
    std::string writeContractPdf() const
    {
        platform::graphics::PdfWriter writer;
        writer.beginPage({612, 792});
        platform::graphics::DrawingContext drawing(writer.context());
        drawing.fill(platform::graphics::makeRect(153, 198, 306, 396), Color::black());
        return writeFile("contract.pdf", *writer.finish());
    }

    std::string writeFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const auto path = home() / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::shared_ptr<VLTOpenInPreviewController> presentPreview(const std::string& path)
    {
        auto preview = VLTOpenInPreviewController::openInVC();
        preview->setPdfPath(path);
        preview->setContext("Add Document");
        preview->setDelegate(delegate);
        host->present(preview, true);
        TouchInjector::wait(1);
        return preview;
    }

    // The window as drawn, at one pixel per point, at the centre of the preview's page area.
    std::uint32_t pixelAtPageCentre(const VLTOpenInPreviewController& preview) const
    {
        const auto image = window->snapshotImage(1);
        const auto centre =
            preview.pageView()->convertPointTo(preview.pageView()->bounds().center(), nullptr);
        return image->pixelAt(static_cast<int>(centre.x), static_cast<int>(centre.y));
    }

    std::shared_ptr<platform::ui::ViewController> host;
    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<RecordingPreviewDelegate> delegate;
};

TEST_F(VLTOpenInPreviewTest, EntryPointGivesAFreshSceneOfTheOpenInPreviewStoryboard)
{
    const auto first = VLTOpenInPreviewController::openInVC();
    const auto second = VLTOpenInPreviewController::openInVC();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    ASSERT_NE(first->storyboard(), nullptr);
    EXPECT_EQ(first->storyboard()->name(), "OpenInPreview");
    EXPECT_NE(std::dynamic_pointer_cast<VLTOpenInPreviewController>(
                  platform::ui::Storyboard::named("OpenInPreview")->instantiateInitialViewController()),
              nullptr);
}

TEST_F(VLTOpenInPreviewTest, ShowsTitleAndFirstPageThenStartClosesAndTellsTheDelegate)
{
    const auto path = writeContractPdf();
    const auto preview = presentPreview(path);
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->titleLabel()->displayedText(), "Add Document");
    ASSERT_NE(preview->pageView()->image(), nullptr);
    EXPECT_TRUE(isDark(pixelAtPageCentre(*preview)));
    EXPECT_EQ(preview->startButton()->currentTitle(), "Start");
    EXPECT_EQ(preview->saveButton()->currentTitle(), "Save");

    TouchInjector fingers;
    fingers.tap(*preview->startButton());
    fingers.tap(*preview->startButton());
    EXPECT_TRUE(delegate->choices.empty());
    TouchInjector::wait(1);
    EXPECT_EQ(host->presentedViewController(), nullptr);
    EXPECT_EQ(delegate->choices, (std::vector<Choice>{{"start", path, "contract.pdf"}}));
}

TEST_F(VLTOpenInPreviewTest, SaveTellsTheDelegateAndAPresentedPreviewCanBeChosenFromAgain)
{
    const auto path = writeContractPdf();
    const auto preview = presentPreview(path);
    TouchInjector fingers;
    fingers.tap(*preview->saveButton());
    TouchInjector::wait(1);
    EXPECT_EQ(delegate->choices, (std::vector<Choice>{{"save", path, "contract.pdf"}}));

    host->present(preview, false);
    fingers.tap(*preview->startButton());
    TouchInjector::wait(1);
    ASSERT_EQ(delegate->choices.size(), 2u);
    EXPECT_EQ(delegate->choices.back().kind, "start");
}

// A PDF whose page tree counts one page but lists none.
std::vector<std::uint8_t> pdfWithUnloadablePage()
{
    const std::vector<std::string> objects = {"<< /Type /Catalog /Pages 2 0 R >>",
                                              "<< /Type /Pages /Count 1 /Kids [] >>"};
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t index = 0; index < objects.size(); ++index) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(index + 1) + " 0 obj\n" + objects[index] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 3\n0000000000 65535 f \n";
    for (const auto offset : offsets) {
        const std::string digits = std::to_string(offset);
        pdf += std::string(10 - digits.size(), '0') + digits + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size 3 /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return {pdf.begin(), pdf.end()};
}

TEST_F(VLTOpenInPreviewTest, MissingOrUnreadableFileShowsAnEmptyPageArea)
{
    const std::vector<std::string> paths = {(home() / "gone.pdf").string(),
                                            writeFile("broken.pdf", {'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'}),
                                            writeFile("no-pages.pdf", pdfWithUnloadablePage()),
                                            ""};
    for (const auto& path : paths) {
        SCOPED_TRACE(path);
        const auto preview = presentPreview(path);
        EXPECT_EQ(preview->pageView()->image(), nullptr);
        EXPECT_TRUE(isLight(pixelAtPageCentre(*preview)));
        TouchInjector().tap(*preview->startButton());
        TouchInjector::wait(1);
        ASSERT_FALSE(delegate->choices.empty());
        EXPECT_EQ(delegate->choices.back().name, VLTOpenInPreviewController::fileNameOf(path));
    }
    EXPECT_EQ(delegate->choices.back().name, "");
}

TEST_F(VLTOpenInPreviewTest, PathSetAfterTheScreenIsUpRedrawsThePage)
{
    const auto preview = presentPreview("");
    EXPECT_EQ(preview->pageView()->image(), nullptr);
    preview->setPdfPath(writeContractPdf());
    EXPECT_TRUE(isDark(pixelAtPageCentre(*preview)));
}

TEST_F(VLTOpenInPreviewTest, ChoiceAfterTheDelegateIsGoneOnlyClosesThePreview)
{
    const auto preview = presentPreview(writeContractPdf());
    delegate.reset();
    TouchInjector().tap(*preview->startButton());
    TouchInjector::wait(1);
    EXPECT_EQ(host->presentedViewController(), nullptr);
}

} // namespace
