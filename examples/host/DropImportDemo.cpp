// Dropping files and contact cards on the composer: a PDF, a photo and a text file go
// through the importer into the new transaction as documents, a card file with two
// people becomes two recipients. The composer's reorderable table shows what the model
// holds and is drawn while a document is dragged to another place, upright and turned
// mid-drag, on a phone, then on a tablet (in tablet/); and again on a phone with a notch
// (in notch/).
#include "DemoRegistry.h"
#include "DemoWalk.h"
#include "DeviceWalks.h"
#include "EventTimings.h"

#include "composer/DragAndDropHelper.h"
#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/VLTInteractiveTableView.h"
#include "contacts/VCardReader.h"
#include "contacts/VCardWriter.h"
#include "dragdrop/DropInjector.h"
#include "dragdrop/TableViewDropDelegate.h"
#include "foundation/RunLoop.h"
#include "graphics/DocumentConverter.h"
#include "graphics/ImageCodec.h"
#include "graphics/ImageContext.h"
#include "graphics/PdfDocument.h"
#include "ui/Screen.h"
#include "ui/ViewController.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <iostream>

namespace {

using namespace platform;
using Model = VLTNewTransactionViewModel;
using Bytes = std::vector<std::uint8_t>;
using ui::IndexPath;

constexpr const char* kVCard = "public.vcard";
constexpr int kDocuments = 0;
constexpr int kRecipients = 1;

// The composer's two lists in one table: documents (reorderable), then recipients
// (locked here, so no document is ever dropped among them). Dropped files and cards go
// through one importer each.
class ComposerLists : public ui::TableViewDataSource,
                      public ui::TableViewDelegate,
                      public VLTInteractiveTableViewDelegate,
                      public dragdrop::TableViewDropDelegate {
public:
    std::shared_ptr<VLTInteractiveTableView> table;
    int batchesRunning = 0;

    int numberOfSections(ui::TableView&) override { return 2; }
    int numberOfRows(ui::TableView&, int section) override
    {
        return section == kDocuments ? model_->documentsNumber() : model_->signersNumber();
    }
    std::optional<std::string> titleForHeader(ui::TableView&, int section) override
    {
        return section == kDocuments ? "Documents" : "Recipients";
    }
    ui::TableViewCellPtr cellForRow(ui::TableView& tableView, const IndexPath& indexPath) override;
    std::optional<double> heightForRow(ui::TableView&, const IndexPath&) override { return 54.0; }

    void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView&, const IndexPath& from,
                                                                     const IndexPath& to) override
    {
        std::cout << "  moved document " << from.row << " to " << to.row << "\n";
        model_->changePlaceOfDocumentWithIndexToIndex(from.row, to.row);
    }
    void tableViewCellDraggingDidStart() override { std::cout << "  drag started\n"; }
    void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView&) override
    {
        std::cout << "  drag finished\n";
    }
    void tableViewCellDraggingCanceledWithLocked(bool) override { std::cout << "  that row is locked\n"; }
    std::optional<std::vector<int>> sectionsForDisablingFeatures() override { return std::vector<int>{kRecipients}; }

    bool tableViewCanHandleDropSession(ui::TableView&, const dragdrop::DropSession& session) override
    {
        return session.canLoadObjectsOfClass<DragAndDropDocument>() ||
               session.hasItemsConformingToTypeIdentifiers({kVCard});
    }
    dragdrop::TableViewDropProposal tableViewDropSessionDidUpdateWithDestinationIndexPath(
        ui::TableView&, const dragdrop::DropSession&, const std::optional<IndexPath>&) override
    {
        dragdrop::TableViewDropProposal proposal;
        proposal.operation = dragdrop::DropOperation::copy;
        proposal.intent = dragdrop::TableViewDropIntent::insertAtDestinationIndexPath;
        return proposal;
    }
    void tableViewPerformDropWithCoordinator(ui::TableView&, const dragdrop::TableViewDropCoordinator& coordinator) override
    {
        importDocuments(coordinator);
        importCards(coordinator.session());
    }

private:
    void importDocuments(const dragdrop::TableViewDropCoordinator& coordinator);
    void importCards(const dragdrop::DropSession& session);
    void importContacts(const std::vector<contacts::Contact>& people);

    std::shared_ptr<Model> model_ = Model::sharedInstance();
    std::shared_ptr<DragAndDropHelper> documentImporter_ = std::make_shared<DragAndDropHelper>();
    std::shared_ptr<DragAndDropHelper> contactImporter_ = std::make_shared<DragAndDropHelper>();
};

ui::TableViewCellPtr ComposerLists::cellForRow(ui::TableView& tableView, const IndexPath& indexPath)
{
    auto cell = tableView.dequeueReusableCell("row", indexPath);
    if (indexPath.section == kDocuments) {
        cell->textLabel()->setText(model_->displayDataForDocumentWithIndex(indexPath.row).value("displayName", ""));
        return cell;
    }
    const auto signer = model_->dataForSignerWithIndex(indexPath.row);
    cell->textLabel()->setText(signer.value("displayName", "") + "  <" + signer.value("email", "") + ">");
    return cell;
}

// The files go where they were dropped among the documents, or after the last one.
void ComposerLists::importDocuments(const dragdrop::TableViewDropCoordinator& coordinator)
{
    const auto& destination = coordinator.destinationIndexPath();
    int position = destination && destination->section == kDocuments ? destination->row : model_->documentsNumber();
    std::vector<std::string> names;
    std::vector<int> positions;
    for (const auto& item : coordinator.session().items()) {
        if (item.itemProvider->canLoadObjectOfClass<DragAndDropDocument>()) {
            names.push_back(item.itemProvider->suggestedName().value_or("Dropped file"));
            positions.push_back(position++);
        }
    }
    if (names.empty()) {
        return;
    }
    ++batchesRunning;
    coordinator.session().loadObjectsOfClass<DragAndDropDocument>([this, names, positions](auto documents) {
        if (!documentImporter_->addFiles(documents, names, positions)) {
            std::cout << "  the importer refused the files\n";
            --batchesRunning;
            return;
        }
        documentImporter_->startImportingDocuments([this](const std::vector<DragAndDropHelper::RefusedFile>& refused) {
            std::cout << "  documents imported, " << refused.size() << " refused\n";
            table->reloadData();
            --batchesRunning;
        });
    });
}

void ComposerLists::importCards(const dragdrop::DropSession& session)
{
    for (const auto& item : session.items()) {
        if (!item.itemProvider->hasItemConformingToTypeIdentifier(kVCard)) {
            continue;
        }
        ++batchesRunning;
        item.itemProvider->loadDataRepresentationForTypeIdentifierCompletionHandler(
            kVCard, [this](std::optional<Bytes> data, std::optional<std::string>) {
                RunLoop::main().dispatchAsync([this, data] {
                    importContacts(data ? contacts::VCardReader::read(*data).contacts : std::vector<contacts::Contact>{});
                });
            });
    }
}

void ComposerLists::importContacts(const std::vector<contacts::Contact>& people)
{
    std::vector<int> positions(people.size());
    for (std::size_t index = 0; index < people.size(); ++index) {
        positions[index] = model_->signersNumber() + static_cast<int>(index);
    }
    if (contactImporter_->addContacts(people, positions)) {
        contactImporter_->startImportingContacts([](int total, int added) {
            std::cout << "  " << total << " card(s) dropped, " << added << " added as recipients\n";
        });
    } else {
        std::cout << "  no card could be read\n";
    }
    table->reloadData();
    --batchesRunning;
}

Bytes leasePdf()
{
    const std::string text = "Residential lease\n\nThe tenant rents flat 4B from the first of next month.\n"
                             "Rent is due on the first working day of each month.\n";
    return graphics::DocumentConverter::convertToPdf("lease.txt", Bytes(text.begin(), text.end()), {}).value_or(Bytes{});
}

// A 2400 x 1600 picture of a room: wall, floor and window.
Bytes roomPhoto()
{
    graphics::ImageContext canvas({2400, 1600}, 1, true);
    canvas.context().fill({{0, 0}, {2400, 1100}}, graphics::Color::fromRGBA(0.93, 0.89, 0.8));
    canvas.context().fill({{0, 1100}, {2400, 500}}, graphics::Color::fromRGBA(0.55, 0.38, 0.24));
    canvas.context().fill({{900, 250}, {700, 550}}, graphics::Color::fromRGBA(0.55, 0.75, 0.95));
    canvas.context().fillEllipse({{1900, 700}, {300, 300}}, graphics::Color::fromRGBA(0.2, 0.5, 0.3));
    return graphics::ImageCodec::encodeJpeg(*canvas.image(), 0.9);
}

Bytes twoCards()
{
    contacts::Contact ravi;
    ravi.givenName = "Ravi";
    ravi.familyName = "Tenant";
    ravi.emailAddresses = {{"home", "ravi@example.com"}};
    ravi.organizationName = "Flat 4B";
    contacts::Contact mira = ravi;
    mira.givenName = "Mira";
    mira.familyName = "Owner";
    mira.emailAddresses = {{"work", "mira@example.com"}};
    mira.jobTitle = "Landlord";
    const std::string text = contacts::VCardWriter::write({ravi, mira}, contacts::VCardVersion::v3_0);
    return Bytes(text.begin(), text.end());
}

dragdrop::DragItem file(const std::string& type, Bytes data, const std::string& name)
{
    auto provider = std::make_shared<dragdrop::ItemProvider>(type, std::move(data));
    provider->setSuggestedName(name);
    return {provider};
}

void printModel(const Model& model)
{
    std::cout << "The new transaction holds:\n";
    for (int index = 0; index < model.documentsNumber(); ++index) {
        const auto document = model.displayDataForDocumentWithIndex(index);
        const auto pdf = graphics::PdfDocument::openFile(document.value("path", ""));
        const auto page = pdf ? pdf->pageSize(0) : std::nullopt;
        std::cout << "  document " << index << ": " << document.value("displayName", "") << ", "
                  << (pdf ? pdf->pageCount() : 0) << " page(s)";
        if (page) {
            std::cout << " of " << page->width << " x " << page->height << " points";
        }
        std::cout << "\n";
    }
    for (int index = 0; index < model.signersNumber(); ++index) {
        const auto signer = model.dataForSignerWithIndex(index);
        std::cout << "  recipient " << index << ": " << signer.value("displayName", "") << " <"
                  << signer.value("email", "") << ">, authentication "
                  << signer.value("authentication", Dictionary::object()).dump() << "\n";
    }
}

void drop(const std::shared_ptr<ui::Window>& window, ComposerLists& lists, std::vector<dragdrop::DragItem> items,
          const ui::Point& point)
{
    auto& timings = host::EventTimings::shared();
    timings.closeEvent();
    const auto outcome = dragdrop::DropInjector(window).drop(std::move(items), point);
    std::cout << "  the drop was " << (outcome.performed ? "taken by the table" : "not taken") << "\n";
    RunLoop::main().advanceUntil([&] { return lists.batchesRunning == 0; }, 30);
    timings.closeEvent();
}

void dragFirstDocument(const std::shared_ptr<ui::Window>& window, ComposerLists& lists,
                       const std::filesystem::path& picture)
{
    ui::TouchInjector finger(window);
    const auto& table = *lists.table;
    const auto start = table.convertPointTo(table.rectForRow({kDocuments, 0}).center(), nullptr);
    const auto touch = finger.touchDown(start);
    host::pause(0.6);
    const auto through = table.convertPointTo(table.rectForRow({kDocuments, 1}).center(), nullptr);
    finger.touchMove(touch, {start.x + 30, through.y + 14});
    host::pause(0.4);
    if (host::writeWindowPng(*window, picture)) {
        std::cout << "  drawn mid-drag to " << picture.string() << "\n";
    }
    host::drawLandscape(*window, picture.parent_path(), picture.stem().string());
    finger.touchUp(touch);
    host::pause(0.4);
}

// The page of the drag window: the lists' table below the status bar, following the
// window as the screen turns.
class ListsPage : public ui::ViewController {
public:
    explicit ListsPage(std::shared_ptr<ui::View> table) : table_(std::move(table)) {}

    void viewDidLoad() override
    {
        view()->setBackgroundColor(graphics::Color::systemGray6());
        view()->addSubview(table_);
    }
    void viewDidLayoutSubviews() override
    {
        const auto bounds = view()->bounds();
        const double top = view()->safeAreaInsets().top;
        table_->setFrame(graphics::makeRect(0, top, bounds.width(), bounds.height() - top));
    }

private:
    std::shared_ptr<ui::View> table_;
};

// A window on the screen's profile whose page holds the lists' table.
std::shared_ptr<ui::Window> showLists(const std::shared_ptr<ComposerLists>& lists, ui::DeviceProfile profile)
{
    auto& screen = ui::Screen::main();
    screen.setDeviceProfile(profile);
    screen.setOrientation(ui::InterfaceOrientation::portrait);
    auto window = std::make_shared<ui::Window>();
    lists->table = std::make_shared<VLTInteractiveTableView>(window->bounds(), ui::TableViewStyle::plain);
    // Rows on a grey ground, so that the lifted row stands out as it is dragged.
    lists->table->setBackgroundColor(graphics::Color::systemGray6());
    lists->table->registerCell("row", [] {
        auto cell = std::make_shared<ui::TableViewCell>("row");
        cell->setBackgroundColor(graphics::Color::white());
        return cell;
    });
    lists->table->setDataSource(lists);
    lists->table->setDelegate(lists);
    lists->table->setDropDelegate(lists);
    lists->table->setInteractiveDelegate(lists);
    window->setRootViewController(std::make_shared<ListsPage>(lists->table));
    window->makeKeyAndVisible();
    lists->table->reloadData();
    lists->table->turnOnDragToOrder();
    return window;
}

void runDropImportDemo(const host::DemoContext& context)
{
    const auto model = Model::sharedInstance();
    model->setTransactionGUID(std::nullopt);
    model->addSignerAtIndex(Dictionary{{"firstName", "Dana"}, {"lastName", "Host"}, {"email", "dana@example.com"}}, 0);

    const auto lists = std::make_shared<ComposerLists>();
    const auto window = showLists(lists, context.devices.front());

    std::cout << "Drop a PDF, a photo and a text file on the documents:\n";
    drop(window, *lists,
         {file("com.adobe.pdf", leasePdf(), "Lease.pdf"), file("public.jpeg", roomPhoto(), "Living room.jpg"),
          file("public.utf8-plain-text", Bytes{'N', 'o', ' ', 'p', 'e', 't', 's', '.'}, "House rules.txt")},
         lists->table->convertPointTo({100, 10}, nullptr));
    std::cout << "Drop a card file with two people on the recipients:\n";
    drop(window, *lists, {file(kVCard, twoCards(), "Tenants.vcf")},
         lists->table->convertPointTo(lists->table->rectForRow({kRecipients, 0}).center(), nullptr));
    printModel(*model);

    std::cout << "Long-press the first document and drag it down:\n";
    dragFirstDocument(window, *lists, host::deviceFolder(context.outputDirectory, context.devices.front()) /
                                          "composer-drag.png");
    printModel(*model);

    // The window of the drops was the first device's.
    const std::vector others(context.devices.begin() + 1, context.devices.end());
    host::walkOnEachDevice({context.outputDirectory, others}, context.outputDirectory,
                           [&lists](ui::DeviceProfile profile, const std::filesystem::path& folder) {
                               std::cout << "Long-press the first document and drag it down:\n";
                               dragFirstDocument(showLists(lists, profile), *lists, folder / "composer-drag.png");
                           });
}

host::DemoRegistration registration(75, "Dropping files and contact cards on the composer", runDropImportDemo,
                                    host::WalksDevices{});

} // namespace
