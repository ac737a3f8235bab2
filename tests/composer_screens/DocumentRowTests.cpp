// One document row on its own: swiping its trash button out and back, taps, rotation.
#include "composer/screens/CreateTransactionDocumentCell.h"
#include "support/VeltraTest.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

namespace {

using platform::graphics::makeRect;
using platform::ui::InterfaceOrientation;
using platform::ui::Screen;
using platform::ui::SwipeDirection;
using platform::ui::TouchInjector;
using Events = std::vector<std::string>;

class RecordingList : public CreateTransactionDocumentCellDelegate {
public:
    void documentCellDeleteButtonTapped(CreateTransactionDocumentCell&) override { events.push_back("delete"); }
    void documentCellDidTapOnCell(CreateTransactionDocumentCell&) override { events.push_back("tap"); }
    bool canDeleteDocuments() const override { return deleting; }

    bool deleting = true;
    Events events;
};

class DocumentRowTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        Screen::main().setDeviceProfile(platform::ui::DeviceProfile::phone);
        Screen::main().setOrientation(InterfaceOrientation::portrait);
        window = std::make_shared<platform::ui::Window>();
        window->makeKeyAndVisible();
        row = std::make_shared<CreateTransactionDocumentCell>();
        row->awakeFromNib();
        row->setDelegate(owner);
        row->setFrame(makeRect(0, 100, Screen::main().bounds().width(), 65));
        window->addSubview(row);
        window->layoutIfNeeded();
        fingers = std::make_unique<TouchInjector>(window);
    }

    // How far the front view stands left (negative) or right of the back view.
    double slide() const { return row->frontView.lock()->center().x - row->backView.lock()->center().x; }
    void swipe(SwipeDirection direction) { fingers->swipe(*row, direction); }
    void tapRow() { fingers->tap(*row->cellSelectionButton.lock()); }
    static void finishSlide() { TouchInjector::wait(0.2); }

    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<CreateTransactionDocumentCell> row;
    std::shared_ptr<RecordingList> owner = std::make_shared<RecordingList>();
    std::unique_ptr<TouchInjector> fingers;
};

TEST_F(DocumentRowTest, ALeftSwipeUncoversTheTrashButtonOnceTheSlideHasEndedAndOnlyWhereTheListAllowsDeleting)
{
    swipe(SwipeDirection::left);
    EXPECT_EQ(slide(), -70);
    EXPECT_EQ(row->frontView.lock()->center().y, row->backView.lock()->center().y);
    EXPECT_FALSE(row->backViewShowing) << "the slide is still running";
    finishSlide();
    EXPECT_TRUE(row->backViewShowing);
    const auto trash = row->trashButton.lock()->convertRectTo(row->trashButton.lock()->bounds(), nullptr);
    EXPECT_EQ(trash.minX(), row->frontView.lock()->convertRectTo(row->frontView.lock()->bounds(), nullptr).maxX());
    EXPECT_EQ(trash.maxX(), row->frame().maxX());
    fingers->tap(*row->trashButton.lock());
    EXPECT_EQ(owner->events, Events{"delete"});

    swipe(SwipeDirection::right);
    EXPECT_EQ(slide(), 0);
    EXPECT_TRUE(row->backViewShowing);
    finishSlide();
    EXPECT_FALSE(row->backViewShowing);

    owner->deleting = false;
    swipe(SwipeDirection::left);
    finishSlide();
    EXPECT_EQ(slide(), 0);
    EXPECT_FALSE(row->backViewShowing);

    // A row on its own may open, but its buttons reach nobody.
    row->setDelegate({});
    swipe(SwipeDirection::left);
    finishSlide();
    EXPECT_EQ(slide(), -70);
    fingers->tap(*row->trashButton.lock());
    swipe(SwipeDirection::right);
    finishSlide();
    tapRow();
    EXPECT_EQ(owner->events, Events{"delete"}) << "only a list that allows deleting lets the trash button out";
}

TEST_F(DocumentRowTest, ATapPreviewsAClosedRowClosesAnOpenOneAndDuringASlideActsOnTheStateBeforeAsEditCloses)
{
    tapRow();
    EXPECT_EQ(owner->events, Events{"tap"});

    swipe(SwipeDirection::left);
    finishSlide();
    tapRow();
    EXPECT_EQ(owner->events, Events{"tap"}) << "closing is all a tap on an open row does";
    EXPECT_EQ(slide(), 0);
    finishSlide();
    EXPECT_FALSE(row->backViewShowing);

    swipe(SwipeDirection::left);
    tapRow();
    EXPECT_EQ(owner->events, (Events{"tap", "tap"}));
    finishSlide();
    EXPECT_TRUE(row->backViewShowing);

    row->editButton.lock()->sendActions(platform::ui::ControlEvent::touchUpInside);
    finishSlide();
    EXPECT_EQ(slide(), 0) << "the edit button only closes the row";
    EXPECT_FALSE(row->backViewShowing);
    EXPECT_EQ(owner->events, (Events{"tap", "tap"}));
}

TEST_F(DocumentRowTest, TurningTheDeviceKeepsAnOpenRowOpenAt70PointsAndAClosedOneClosed)
{
    swipe(SwipeDirection::left);
    finishSlide();
    Screen::main().setOrientation(InterfaceOrientation::landscapeLeft);
    row->setFrame(makeRect(0, 100, Screen::main().bounds().width(), 65));
    window->layoutIfNeeded();
    EXPECT_TRUE(row->backViewShowing);
    EXPECT_EQ(slide(), -70);
    EXPECT_EQ(row->backView.lock()->bounds().width(), Screen::main().bounds().width());
    EXPECT_EQ(row->trashButton.lock()->frame().maxX(), Screen::main().bounds().width());

    swipe(SwipeDirection::right);
    finishSlide();
    Screen::main().setOrientation(InterfaceOrientation::portrait);
    row->setFrame(makeRect(0, 100, Screen::main().bounds().width(), 65));
    window->layoutIfNeeded();
    EXPECT_FALSE(row->backViewShowing);
    EXPECT_EQ(slide(), 0);
}

} // namespace
