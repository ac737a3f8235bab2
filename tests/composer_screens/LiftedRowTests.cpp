// The picture a long press lifts off the document list, on a tablet and through turns of
// the device: it lies over the row it stands for, at the row's width, and the name in it
// starts where the other rows' names start.
#include "DocumentListTestSupport.h"

#include "ui/Screen.h"

#include <cmath>
#include <utility>

namespace {

using composer_screens_testing::DocumentListTest;
using platform::graphics::Rect;
using platform::ui::InterfaceOrientation;
using platform::ui::TouchInjector;
using platform::ui::View;

constexpr double kTolerance = 0.01;

// Whether the picture has dark pixels (text or glyphs) inside the area, in points.
bool inkIn(const platform::graphics::Image& picture, const Rect& area)
{
    const double scale = picture.scale();
    for (int y = static_cast<int>(area.minY() * scale); y < static_cast<int>(area.maxY() * scale); ++y) {
        for (int x = static_cast<int>(area.minX() * scale); x < static_cast<int>(area.maxX() * scale); ++x) {
            const std::uint32_t pixel = picture.pixelAt(x, y);
            const bool opaque = (pixel >> 24) > 0x80;
            const bool dark = ((pixel >> 16) & 0xff) < 0xc0 && ((pixel >> 8) & 0xff) < 0xc0 && (pixel & 0xff) < 0xc0;
            if (opaque && dark) {
                return true;
            }
        }
    }
    return false;
}

class LiftedRowTest : public DocumentListTest {
protected:
    Rect inWindow(const View& view) const { return view.convertRectTo(view.bounds(), nullptr); }
    // Where a row's name starts, in window coordinates.
    double nameStart(int row) const { return inWindow(*documentRow(row)->documentNameabel.lock()).minX(); }

    std::shared_ptr<platform::ui::Touch> liftFirstRow()
    {
        window->layoutIfNeeded();
        const auto touch = fingers->touchDown(rowCenter(0));
        TouchInjector::wait(0.6 + VLTInteractiveTableView::kLiftDuration);
        return touch;
    }

    // The lifted picture against the row it stands for (hidden under it) and against a
    // row left in place: as wide as the row and from its leading edge, grown by the lift
    // alone, a fresh picture of the row as it is laid out now, with its name where the
    // other row's name starts (give or take what the lift's scale does to its margin).
    testing::AssertionResult liesOverItsRow(int otherRow) const
    {
        const auto table = documentsTable();
        const auto picture = table->cellSnapshot();
        if (!picture || !table->cellInitialPath()) {
            return testing::AssertionFailure() << "nothing is lifted";
        }
        const auto lifted = documentRow(table->cellInitialPath()->row);
        const Rect row = inWindow(*lifted);
        const Rect drawn = inWindow(*picture);
        const auto name = lifted->documentNameabel.lock();
        const auto handle = lifted->dragLabel.lock();
        const double liftedName =
            picture->convertPointTo({name->convertRectTo(name->bounds(), lifted.get()).minX(), 0}, nullptr).x;
        const double otherName = nameStart(otherRow);
        const double nameSlack = (VLTInteractiveTableView::kLiftScale - 1) * (otherName - row.minX()) + kTolerance;
        if (picture->bounds().size != row.size || picture->image()->size() != row.size) {
            return testing::AssertionFailure() << "a picture of " << picture->image()->size().width << " x "
                                               << picture->image()->size().height << " shown at "
                                               << picture->bounds().width() << " over a row of " << row.width()
                                               << " x " << row.height();
        }
        if (std::abs(drawn.minX() - row.minX()) > kTolerance ||
            std::abs(drawn.width() - row.width() * VLTInteractiveTableView::kLiftScale) > kTolerance) {
            return testing::AssertionFailure() << "drawn from x " << drawn.minX() << ", " << drawn.width()
                                               << " wide, over a row from x " << row.minX() << ", " << row.width()
                                               << " wide";
        }
        if (std::abs(liftedName - otherName) > nameSlack) {
            return testing::AssertionFailure() << "its name starts at x " << liftedName << ", the others' at "
                                               << otherName;
        }
        if (!inkIn(*picture->image(), handle->convertRectTo(handle->bounds(), lifted.get()))) {
            return testing::AssertionFailure() << "the picture shows no drag handle where the row has it";
        }
        return testing::AssertionSuccess();
    }
};

TEST_F(LiftedRowTest, OnATabletTheLiftedRowLiesOverItselfWithItsNameInLineWithTheOthers)
{
    makeHost(platform::ui::DeviceProfile::tablet);
    openDocuments(3, true, true);
    const auto touch = liftFirstRow();
    EXPECT_TRUE(liesOverItsRow(1));

    fingers->touchMove(touch, rowCenter(2));
    EXPECT_TRUE(liesOverItsRow(0)) << "after a move to the last place";
    fingers->touchUp(touch);
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(documentsTable()->cellSnapshot(), nullptr);
}

TEST_F(LiftedRowTest, TurnsMidDragLayTheLiftedRowOverItselfAtItsNewWidthAndItSlidesBackThere)
{
    openDocuments(3, true, true);
    const auto touch = liftFirstRow();
    fingers->touchMove(touch, rowCenter(1));
    for (const auto& [orientation, name] : {std::pair{InterfaceOrientation::landscapeLeft, "landscape"},
                                            std::pair{InterfaceOrientation::portrait, "upright again"},
                                            std::pair{InterfaceOrientation::landscapeRight, "landscape right"}}) {
        rotate(orientation);
        EXPECT_TRUE(liesOverItsRow(2)) << "turned " << name;
    }

    const auto table = documentsTable();
    const auto picture = table->cellSnapshot();
    const auto lifted = documentRow(1);
    fingers->touchUp(touch);
    EXPECT_EQ(picture->frame(), lifted->frame()) << "the picture slides back onto its row";
    TouchInjector::wait(VLTInteractiveTableView::kLiftDuration);
    EXPECT_EQ(table->cellSnapshot(), nullptr);
    EXPECT_EQ(lifted->alpha(), 1.0);
    EXPECT_EQ(documentNames(), (std::vector<std::string>{"Document 1", "Document 0", "Document 2"}));
}

} // namespace
