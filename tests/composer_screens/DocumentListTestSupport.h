#pragma once

#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionDocumentCell.h"
#include "composer/screens/CreateTransactionDocumentListCell.h"
#include "dragdrop/DragItem.h"
#include "dragdrop/DropInjector.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace composer_screens_testing {

using Bytes = std::vector<std::uint8_t>;

// A dropped file of one type.
platform::dragdrop::DragItem droppedItem(std::string_view typeIdentifier, Bytes data);
// A PDF of `pages` empty pages, so dropped PDFs can be told apart by their bytes.
Bytes pdfBytes(int pages);
Bytes textBytes(const std::string& text);

// The main page opened on documents named "Document 0", "Document 1" ... with the host's
// flags; a name is given so that nothing covers the document list.
class DocumentListTest : public ComposerScreenTest {
protected:
    void SetUp() override;

    std::shared_ptr<Page> openDocuments(int documents, bool canDeleteDocuments, bool canReorderDocuments,
                                        bool canAddDocuments = true);

    std::shared_ptr<CreateTransactionDocumentListCell> list() const;
    std::shared_ptr<VLTInteractiveTableView> documentsTable() const;
    std::shared_ptr<CreateTransactionDocumentCell> documentRow(int row) const;
    // Window coordinates.
    platform::ui::Point rowCenter(int row) const;
    platform::ui::Point belowLastRow() const;
    // The model's document names, in order.
    std::vector<std::string> documentNames() const;
    int shownRows() const;

    void swipeOpen(int row);
    void tapTrash(int row);
    platform::dragdrop::DropOutcome drop(std::vector<platform::dragdrop::DragItem> items,
                                         const platform::ui::Point& point);
    // Whether the drop's blocking message "Adding to Transaction..." is up.
    static bool blockingMessageUp();
    // Lets the files of a drop be read and imported until the blocking message is down.
    void waitForImport();

    // The composer's notifications about document drags, in the order posted.
    std::vector<std::string> dragNotifications;
};

} // namespace composer_screens_testing
