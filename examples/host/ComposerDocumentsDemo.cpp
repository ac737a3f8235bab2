// The composer's document list as a person uses it: files dragged in from other
// applications (a PDF, a photo and an HTML page) dropped on a row, two documents swapped
// by long press and drag, one swiped open and deleted, one previewed. Each step is drawn
// to a PNG upright and turned, with the blocking message up while the drop is read; on a
// phone, then on a tablet in tablet/ and on a phone with a notch in notch/.
#include "DemoRegistry.h"
#include "DemoSender.h"
#include "DemoStage.h"
#include "DeviceWalks.h"
#include "DemoWalk.h"

#include <iostream>

#if __has_include("fakes/FakeSigningService.h")

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionAddDocsAndSignersPage.h"
#include "composer/screens/CreateTransactionDocumentCell.h"
#include "composer/screens/CreateTransactionDocumentListCell.h"
#include "dragdrop/DocumentPreviewController.h"
#include "dragdrop/DropInjector.h"
#include "dragdrop/TypeIdentifier.h"
#include "fakes/FakeSigningService.h"
#include "foundation/RunLoop.h"
#include "graphics/DrawingContext.h"
#include "graphics/ImageContext.h"
#include "graphics/PdfWriter.h"
#include "sdk/VTDocument.h"
#include "sdk/VTTransaction.h"
#include "sdk/facade/Veltra.h"
#include "sdk/screens/VTAlertView.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <fstream>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Page = CreateTransactionAddDocsAndSignersPage;
using platform::dragdrop::DragItem;
using platform::dragdrop::TypeIdentifier;
using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::Point;
using platform::ui::TouchInjector;

Bytes pdfWithHeading(const std::string& heading)
{
    platform::graphics::PdfWriter writer;
    writer.beginPage({612, 792});
    platform::graphics::DrawingContext drawing(writer.context());
    platform::graphics::TextStyle style;
    style.font = platform::graphics::Font::boldSystemFont(32);
    drawing.drawText(heading, makeRect(50, 80, 512, 60), style);
    return *writer.finish();
}

// A landscape of sky, sun and hill, as a camera roll would offer one.
Bytes photo()
{
    platform::graphics::ImageContext picture({320, 240}, 1, true);
    auto& context = picture.context();
    context.fill(makeRect(0, 0, 320, 240), Color::fromRGBA(0.55, 0.78, 0.95));
    context.fillEllipse(makeRect(220, 30, 60, 60), Color::fromRGBA(1, 0.85, 0.2));
    context.fillEllipse(makeRect(-80, 150, 480, 220), Color::fromRGBA(0.3, 0.6, 0.3));
    return picture.image()->pngData();
}

Bytes text(const std::string& content)
{
    return Bytes(content.begin(), content.end());
}

DragItem item(std::string_view type, Bytes data)
{
    return {std::make_shared<platform::dragdrop::ItemProvider>(std::string(type), std::move(data))};
}

class DocumentsWalk {
public:
    DocumentsWalk(std::filesystem::path folder, std::shared_ptr<platform::ui::Window> window,
                  std::shared_ptr<platform::ui::NavigationController> navigation)
        : folder_(std::move(folder)), window_(std::move(window)), navigation_(std::move(navigation)),
          fingers_(window_)
    {
    }

    std::shared_ptr<Page> page() const { return std::dynamic_pointer_cast<Page>(navigation_->topViewController()); }
    std::shared_ptr<CreateTransactionDocumentListCell> list() const
    {
        return std::dynamic_pointer_cast<CreateTransactionDocumentListCell>(
            page()->tableView.lock()->cellForRow({0, Page::Row::documentList}));
    }
    std::shared_ptr<CreateTransactionDocumentCell> row(int index) const
    {
        return std::dynamic_pointer_cast<CreateTransactionDocumentCell>(
            list()->documentsTableView.lock()->cellForRow({0, index}));
    }
    Point rowCenter(int index) const
    {
        const auto table = list()->documentsTableView.lock();
        return table->convertPointTo(table->rectForRow({0, index}).center(), nullptr);
    }

    // Draws the window as it is now, without letting time pass first, then turned.
    void drawNow(const std::string& name) const
    {
        host::drawWindow(*window_, folder_, name);
        host::drawLandscape(*window_, folder_, name);
    }
    void draw(const std::string& name) const
    {
        host::pause(0.6);
        drawNow(name);
    }
    void printDocuments() const
    {
        const auto model = VLTNewTransactionViewModel::sharedInstance();
        std::cout << "  documents:";
        for (int index = 0; index < model->documentsNumber(); ++index) {
            std::cout << (index ? ", " : " ") << model->nameOfDocumentWithIndex(index).value_or("?");
        }
        std::cout << "\n";
    }

    void dropOnRow(std::vector<DragItem> items, int index) const
    {
        window_->layoutIfNeeded();
        const auto outcome = platform::dragdrop::DropInjector(window_).drop(std::move(items), rowCenter(index));
        std::cout << "  dropped on row " << index << ": " << (outcome.performed ? "taken" : "refused") << "\n";
    }
    void waitForImport() const
    {
        const auto alerts = VTAlertView::sharedInstance();
        platform::RunLoop::main().advanceUntil([&alerts] { return !alerts->isShowingBlockingMessage(); }, 30);
    }
    void drag(int from, int to)
    {
        window_->layoutIfNeeded();
        fingers_.longPressAndDrag(rowCenter(from), {rowCenter(to)});
    }
    void swipeOpen(int index)
    {
        window_->layoutIfNeeded();
        fingers_.swipe(rowCenter(index), platform::ui::SwipeDirection::left);
    }
    void tap(const platform::ui::View& view)
    {
        window_->layoutIfNeeded();
        fingers_.tap(view);
    }

private:
    std::filesystem::path folder_;
    std::shared_ptr<platform::ui::Window> window_;
    std::shared_ptr<platform::ui::NavigationController> navigation_;
    TouchInjector fingers_;
};

std::shared_ptr<VTTransaction> transactionOfTwo(const std::filesystem::path& folder)
{
    auto transaction = std::make_shared<VTTransaction>();
    transaction->setName(std::string("Lease renewal"));
    for (const std::string name : {"Lease", "Floor plan"}) {
        const auto path = folder / (name + ".pdf");
        const Bytes bytes = pdfWithHeading(name);
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        transaction->addDocument(VTDocument::initWithNameAndPath(name, path.string()));
    }
    return transaction;
}

// The sender signs in against the stand-in service, which also answers the page's
// question for signing groups.
bool signIn(fakes::FakeSigningService& service)
{
    host::addSenderAccount(service);
    return service.start() && host::signInSender(service).has_value();
}

void walkDocuments(platform::ui::DeviceProfile profile, const std::filesystem::path& folder)
{
    const auto stage = host::DemoStage::open(profile);
    std::cout << "createAndStartEditWithTransaction: "
              << Veltra::dashboard()->createAndStartEditWithTransaction(transactionOfTwo(folder), true, true, true)
              << "\n";
    DocumentsWalk walk(folder, stage.window, stage.navigation);
    walk.draw("documents-1-two-documents");

    walk.dropOnRow({item(TypeIdentifier::pdf, pdfWithHeading("Inventory")), item(TypeIdentifier::png, photo()),
                    item(TypeIdentifier::html, text("<h1>House rules</h1><p>No pets, no parties.</p>"))},
                   1);
    walk.drawNow("documents-2-blocking-message");
    walk.waitForImport();
    walk.draw("documents-3-dropped");
    walk.printDocuments();

    walk.drag(0, 1);
    walk.draw("documents-4-reordered");
    walk.printDocuments();

    walk.swipeOpen(3);
    walk.draw("documents-5-row-swiped-open");
    // Turning the screen reloads the list, which closes the swiped row.
    if (!walk.row(3)->backViewShowing) {
        walk.swipeOpen(3);
        host::pause(0.6);
    }
    walk.tap(*walk.row(3)->trashButton.lock());
    walk.draw("documents-6-deleted");
    walk.printDocuments();

    walk.tap(*walk.row(2)->cellSelectionButton.lock());
    walk.draw("documents-7-preview");
    if (const auto preview = std::dynamic_pointer_cast<platform::dragdrop::DocumentPreviewController>(
            walk.page()->presentedViewController())) {
        walk.tap(*preview->doneButton());
    }
    walk.tap(*walk.page()->closeButton.lock());
    host::pause(0.6);
}

void run(const host::DemoContext& context)
{
    fakes::FakeSigningService service;
    if (!signIn(service)) {
        std::cout << "The stand-in service could not start.\n";
        return;
    }
    host::walkOnEachDevice(context, context.outputDirectory / "composer", walkDocuments);
    service.stop();
}

host::DemoRegistration registration(81, "Composer: the document list", run, host::WalksDevices{});

} // namespace

#else

namespace {
host::DemoRegistration registration(81, "Composer: the document list", host::sayBuiltWithoutService);
} // namespace

#endif
