#pragma once

#include "ComposerScreenTest.h"

#include "composer/screens/CreateTransactionRecipientCell.h"
#include "composer/screens/CreateTransactionRecipientListCell.h"

#include <string>
#include <vector>

namespace composer_screens_testing {

// The main page opened on a named transaction with a document and recipients, scrolled
// so that its recipient list is on screen.
class RecipientListTest : public ComposerScreenTest {
protected:
    using Row = CreateTransactionPageRowHeights::Row;

    // Recipients "<Name> Last" with e-mail "<name>@example.com".
    void openWithRecipients(const std::vector<std::string>& firstNames);

    std::shared_ptr<CreateTransactionRecipientListCell> list() const;
    std::shared_ptr<VLTInteractiveTableView> inner() const { return list()->signersTableView.lock(); }
    std::shared_ptr<CreateTransactionRecipientCell> recipient(int row) const;
    // The window point at the middle of a recipient row.
    platform::ui::Point centerOf(int row) const;
    // What the rows read, top to bottom: "<number> <first name>".
    std::vector<std::string> rowTexts() const;
    // The first names in the model's order.
    std::vector<std::string> modelNames() const;

    void swipeOpen(int row);
    // Lets the run loop deliver what the item providers handed to the main thread.
    void runUntil(const std::function<bool()>& condition);
};

} // namespace composer_screens_testing
