#include "support/VeltraTest.h"
#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/Switch.h"
#include "ui/TextField.h"
#include "ui/Window.h"

using namespace platform::ui;
using platform::graphics::makeRect;

namespace {

class RenderingTest : public testing_support::VeltraTest {};

std::uint32_t pixel(const platform::graphics::ImagePtr& image, double x, double y)
{
    return image->pixelAt(static_cast<int>(x * image->scale()), static_cast<int>(y * image->scale()));
}

bool hasInk(const platform::graphics::ImagePtr& image, const Rect& area, std::uint32_t background)
{
    for (double x = area.minX(); x < area.maxX(); x += 0.5) {
        for (double y = area.minY(); y < area.maxY(); y += 0.5) {
            if (pixel(image, x, y) != background) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST_F(RenderingTest, BackgroundsAlphaTransformsClippingBordersAndCornersShowInTheSnapshotAndAWindowWritesAPng)
{
    auto root = std::make_shared<View>(makeRect(0, 0, 100, 100));
    root->setBackgroundColor(Color::white());
    auto red = std::make_shared<View>(makeRect(0, 0, 50, 50));
    red->setBackgroundColor(Color::fromRGBA(1, 0, 0));
    auto faded = std::make_shared<View>(makeRect(50, 0, 50, 50));
    faded->setBackgroundColor(Color::black());
    faded->setAlpha(0.5);
    auto clipper = std::make_shared<View>(makeRect(0, 50, 20, 20));
    clipper->setClipsToBounds(true);
    auto overflow = std::make_shared<View>(makeRect(0, 0, 50, 50));
    overflow->setBackgroundColor(Color::black());
    clipper->addSubview(overflow);
    auto moved = std::make_shared<View>(makeRect(60, 60, 10, 10));
    moved->setBackgroundColor(Color::black());
    moved->setTransform(AffineTransform::translation(20, 20));
    for (const auto& view : {red, faded, clipper, moved}) {
        root->addSubview(view);
    }

    const auto image = root->snapshotImage(1);
    EXPECT_EQ(pixel(image, 10, 10), 0xFFFF0000u);
    EXPECT_NEAR(static_cast<double>(pixel(image, 75, 25) & 0xFF), 127, 2);
    EXPECT_EQ(pixel(image, 10, 60), 0xFF000000u);
    EXPECT_EQ(pixel(image, 30, 60), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(image, 65, 65), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(image, 85, 85), 0xFF000000u);

    auto box = std::make_shared<View>(makeRect(0, 0, 40, 40));
    box->setBackgroundColor(Color::white());
    box->layer().setCornerRadius(20);
    box->layer().setBorderWidth(2);
    box->layer().setBorderColor(Color::black());
    const auto rounded = box->snapshotImage(1);
    EXPECT_EQ(pixel(rounded, 0, 0) >> 24, 0u);
    EXPECT_LT(pixel(rounded, 20, 1) & 0xFF, 16u);
    EXPECT_EQ(pixel(rounded, 20, 20), 0xFFFFFFFFu);

    const auto path = home() / "window.png";
    ASSERT_TRUE(std::make_shared<Window>()->writePng(path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}

TEST_F(RenderingTest, ControlsDrawTheirTextAndStateAndASecureFieldDrawsBulletsNotTheText)
{
    auto root = std::make_shared<View>(makeRect(0, 0, 200, 160));
    root->setBackgroundColor(Color::white());
    auto label = std::make_shared<Label>(makeRect(0, 0, 200, 40));
    label->setText("Signers");
    auto field = std::make_shared<TextField>(makeRect(0, 40, 200, 40));
    field->setPlaceholder("Name");
    auto button = std::make_shared<Button>(makeRect(0, 80, 200, 40));
    button->setTitle("Next");
    auto toggle = std::make_shared<Switch>(makeRect(0, 120, 51, 31));
    for (const auto& view : std::vector<std::shared_ptr<View>>{label, field, button, toggle}) {
        root->addSubview(view);
    }
    const auto image = root->snapshotImage(2);
    for (const auto& view : std::vector<std::shared_ptr<View>>{label, field, button}) {
        EXPECT_TRUE(hasInk(image, view->frame(), 0xFFFFFFFFu));
    }
    const std::uint32_t off = pixel(image, 40, 135);
    toggle->setOn(true);
    EXPECT_NE(pixel(root->snapshotImage(2), 40, 135), off);

    const auto drawn = [](const std::string& text, bool secure) {
        auto field = std::make_shared<TextField>(makeRect(0, 0, 200, 40));
        field->setBackgroundColor(Color::white());
        field->setText(text);
        field->setSecureTextEntry(secure);
        return field->snapshotImage(1)->pngData();
    };
    const auto secure = drawn("s\u00E9cret", true);
    EXPECT_EQ(secure, drawn("\u2022\u2022\u2022\u2022\u2022\u2022", false));
    EXPECT_NE(secure, drawn("s\u00E9cret", false));
}
