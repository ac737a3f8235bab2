#include "DocumentListTestSupport.h"

#include "composer/screens/CreateTransactionDocumentDrop.h"
#include "composer/screens/CreateTransactionNotifications.h"
#include "foundation/NotificationCenter.h"
#include "foundation/RunLoop.h"
#include "graphics/PdfWriter.h"
#include "sdk/screens/VTAlertView.h"

namespace composer_screens_testing {

using Row = CreateTransactionPageRowHeights::Row;

platform::dragdrop::DragItem droppedItem(std::string_view typeIdentifier, Bytes data)
{
    return {std::make_shared<platform::dragdrop::ItemProvider>(std::string(typeIdentifier), std::move(data))};
}

Bytes pdfBytes(int pages)
{
    platform::graphics::PdfWriter writer;
    for (int page = 0; page < pages; ++page) {
        writer.beginPage({612, 792});
    }
    return *writer.finish();
}

Bytes textBytes(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

void DocumentListTest::SetUp()
{
    ComposerScreenTest::SetUp();
    // Every registration ends with the test: the shared instances are reset after each.
    auto& center = platform::NotificationCenter::defaultCenter();
    for (const char* name : {CreateTransactionNotifications::documentDraggingStarted,
                             CreateTransactionNotifications::documentDraggingEnded}) {
        center.addObserver(name, [this](const platform::Notification& notification) {
            dragNotifications.push_back(notification.name);
        });
    }
}

std::shared_ptr<ComposerScreenTest::Page> DocumentListTest::openDocuments(int documents, bool canDeleteDocuments,
                                                                          bool canReorderDocuments,
                                                                          bool canAddDocuments)
{
    return openWith("Contracts", documents, {}, canAddDocuments, canDeleteDocuments, canReorderDocuments);
}

std::shared_ptr<CreateTransactionDocumentListCell> DocumentListTest::list() const
{
    return std::dynamic_pointer_cast<CreateTransactionDocumentListCell>(row(Row::documentList));
}

std::shared_ptr<VLTInteractiveTableView> DocumentListTest::documentsTable() const
{
    return list()->documentsTableView.lock();
}

std::shared_ptr<CreateTransactionDocumentCell> DocumentListTest::documentRow(int row) const
{
    return std::dynamic_pointer_cast<CreateTransactionDocumentCell>(documentsTable()->cellForRow({0, row}));
}

platform::ui::Point DocumentListTest::rowCenter(int row) const
{
    const auto table = documentsTable();
    return table->convertPointTo(table->rectForRow({0, row}).center(), nullptr);
}

platform::ui::Point DocumentListTest::belowLastRow() const
{
    const auto table = documentsTable();
    const auto bounds = table->bounds();
    return table->convertPointTo({bounds.midX(), bounds.maxY() - 4}, nullptr);
}

std::vector<std::string> DocumentListTest::documentNames() const
{
    std::vector<std::string> names;
    for (int index = 0; index < model->documentsNumber(); ++index) {
        names.push_back(model->nameOfDocumentWithIndex(index).value_or("<none>"));
    }
    return names;
}

int DocumentListTest::shownRows() const
{
    return documentsTable()->numberOfRows(0);
}

void DocumentListTest::swipeOpen(int row)
{
    window->layoutIfNeeded();
    fingers->swipe(rowCenter(row), platform::ui::SwipeDirection::left);
}

void DocumentListTest::tapTrash(int row)
{
    fingers->tap(*documentRow(row)->trashButton.lock());
}

platform::dragdrop::DropOutcome DocumentListTest::drop(std::vector<platform::dragdrop::DragItem> items,
                                                       const platform::ui::Point& point)
{
    window->layoutIfNeeded();
    return platform::dragdrop::DropInjector(window).drop(std::move(items), point);
}

bool DocumentListTest::blockingMessageUp()
{
    const auto alerts = VTAlertView::sharedInstance();
    return alerts->isShowingBlockingMessage() &&
           alerts->blockingMessageView()->messageLabel()->text() == CreateTransactionDocumentDrop::blockingMessageKey;
}

void DocumentListTest::waitForImport()
{
    const auto alerts = VTAlertView::sharedInstance();
    EXPECT_TRUE(waitFor([&] { return !alerts->isShowingBlockingMessage(); }));
    platform::RunLoop::main().runUntilIdle();
    settle();
}

} // namespace composer_screens_testing
