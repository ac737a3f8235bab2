#include "Note.h"

#include "dragdrop/DropInjector.h"
#include "dragdrop/DropInteraction.h"
#include "dragdrop/TableViewDropDelegate.h"
#include "foundation/RunLoop.h"
#include "support/VeltraTest.h"
#include "ui/TableView.h"
#include "ui/Window.h"

using namespace platform::dragdrop;
using namespace platform::ui;
using platform::RunLoop;
using platform::graphics::makeRect;

namespace {

class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    int count = 3;
    int numberOfSections(TableView&) override { return 1; }
    int numberOfRows(TableView&, int) override { return count; }
    TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) override
    {
        return table.dequeueReusableCell("row", indexPath);
    }
    std::optional<double> heightForRow(TableView&, const IndexPath&) override { return 65.0; }
};

// Takes PDFs, images and text; loads the dropped notes and remembers where they went.
class NoteTable : public TableViewDropDelegate {
public:
    std::optional<IndexPath> destination;
    bool performed = false;
    DropOperation operation = DropOperation::copy;
    std::vector<std::shared_ptr<Note>> notes;

    bool tableViewCanHandleDropSession(TableView&, const DropSession& session) override
    {
        return session.canLoadObjectsOfClass<Note>();
    }
    TableViewDropProposal tableViewDropSessionDidUpdateWithDestinationIndexPath(
        TableView&, const DropSession&, const std::optional<IndexPath>&) override
    {
        TableViewDropProposal proposal;
        proposal.operation = operation;
        proposal.intent = TableViewDropIntent::insertAtDestinationIndexPath;
        return proposal;
    }
    void tableViewPerformDropWithCoordinator(TableView&, const TableViewDropCoordinator& coordinator) override
    {
        performed = true;
        destination = coordinator.destinationIndexPath();
        coordinator.session().loadObjectsOfClass<Note>([this](std::vector<std::shared_ptr<Note>> loaded) { notes = loaded; });
    }
};

// Takes contact cards anywhere on its view.
class CardTarget : public DropInteractionDelegate {
public:
    int drops = 0;
    platform::graphics::Point location;

    bool dropInteractionCanHandleSession(DropInteraction&, const DropSession& session) override
    {
        return session.hasItemsConformingToTypeIdentifiers({"public.vcard"});
    }
    DropProposal dropInteractionSessionDidUpdate(DropInteraction&, const DropSession&) override
    {
        return {DropOperation::copy};
    }
    void dropInteractionPerformDrop(DropInteraction& interaction, const DropSession& session) override
    {
        ++drops;
        location = session.locationInView(*interaction.view());
    }
};

class DropTargetTest : public testing_support::VeltraTest {
protected:
    void SetUp() override
    {
        VeltraTest::SetUp();
        window = std::make_shared<Window>();
        window->makeKeyAndVisible();
        container = std::make_shared<View>(makeRect(0, 100, 320, 400));
        window->addSubview(container);
        table = std::make_shared<TableView>(makeRect(0, 50, 320, 300), TableViewStyle::plain);
        table->registerCell("row", [] { return std::make_shared<TableViewCell>("row"); });
        table->setDataSource(rows);
        table->setDelegate(rows);
        table->setDropDelegate(noteTable);
        container->addSubview(table);
        container->addInteraction(std::make_shared<DropInteraction>(cardTarget));
        table->reloadData();
    }

    static DragItem item(const std::string& type)
    {
        return DragItem{std::make_shared<ItemProvider>(type, Bytes{1, 2, 3})};
    }

    std::shared_ptr<Window> window;
    std::shared_ptr<View> container;
    std::shared_ptr<TableView> table;
    std::shared_ptr<Rows> rows = std::make_shared<Rows>();
    std::shared_ptr<NoteTable> noteTable = std::make_shared<NoteTable>();
    std::shared_ptr<CardTarget> cardTarget = std::make_shared<CardTarget>();
};

TEST_F(DropTargetTest, TableDropKnowsTheRowUnderThePoint)
{
    // The table starts at y = 150 in the window; row 1 spans 65-130 of the table.
    const DropOutcome outcome = DropInjector().drop({item("com.adobe.pdf"), item("public.png")}, {100, 150 + 70});
    EXPECT_TRUE(outcome.performed);
    EXPECT_EQ(outcome.target, table);
    EXPECT_EQ(noteTable->destination, (IndexPath{0, 1}));
    waitFor([&] { return noteTable->notes.size() == 2; });
    EXPECT_EQ(noteTable->notes.size(), 2u);
    EXPECT_EQ(noteTable->notes[1]->typeIdentifier, "public.image");
}

TEST_F(DropTargetTest, DropPastTheLastRowHasNoDestination)
{
    table->setContentOffset({0, 0});
    EXPECT_TRUE(DropInjector(window).drop({item("public.plain-text")}, {100, 150 + 3 * 65 + 20}).performed);
    EXPECT_TRUE(noteTable->performed);
    EXPECT_FALSE(noteTable->destination);
}

TEST_F(DropTargetTest, ItemsTheTableCannotHandleGoToTheEnclosingInteraction)
{
    const DropOutcome cards = DropInjector().drop({item("public.vcard")}, {100, 150 + 10});
    EXPECT_TRUE(cards.performed);
    EXPECT_EQ(cards.target, container);
    EXPECT_FALSE(noteTable->performed);
    EXPECT_EQ(cardTarget->drops, 1);
    EXPECT_EQ(cardTarget->location, (platform::graphics::Point{100, 60}));

    // Outside the table the container's interaction is asked directly.
    EXPECT_TRUE(DropInjector().drop({item("public.vcard")}, {20, 120}).performed);
    EXPECT_EQ(cardTarget->drops, 2);
    // Nobody takes a movie.
    const DropOutcome movie = DropInjector().drop({item("public.movie")}, {20, 120});
    EXPECT_FALSE(movie.performed);
    EXPECT_EQ(movie.target, nullptr);
}

TEST_F(DropTargetTest, ARefusedProposalPerformsNothing)
{
    noteTable->operation = DropOperation::forbidden;
    const DropOutcome outcome = DropInjector().drop({item("com.adobe.pdf")}, {100, 160});
    EXPECT_FALSE(outcome.performed);
    EXPECT_EQ(outcome.operation, DropOperation::forbidden);
    EXPECT_FALSE(noteTable->performed);

    container->setUserInteractionEnabled(false);
    EXPECT_EQ(DropInjector().drop({item("public.vcard")}, {20, 120}).target, nullptr);
    EXPECT_EQ(cardTarget->drops, 0);
}

} // namespace
