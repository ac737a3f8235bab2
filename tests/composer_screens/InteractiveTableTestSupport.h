#pragma once

#include "composer/screens/VLTInteractiveTableView.h"
#include "support/VeltraTest.h"
#include "ui/TableView.h"
#include "ui/TouchInjector.h"
#include "ui/Window.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace composer_screens_testing {

using platform::ui::IndexPath;
using platform::ui::Point;

std::string describe(const IndexPath& indexPath);

// The owner of a reorderable table as the composer's lists are: it gives the rows, keeps
// its own order in step with the table's moves, names locks and writes down what it hears.
class RowsOwner : public platform::ui::TableViewDataSource,
                  public platform::ui::TableViewDelegate,
                  public VLTInteractiveTableViewDelegate {
public:
    static constexpr double kRowHeight = 65;

    std::vector<std::vector<std::string>> sections{{"a", "b", "c", "d", "e"}};
    std::vector<std::string> events;
    bool answersLocks = false;
    std::vector<int> sectionLocks;
    std::vector<IndexPath> rowLocks;
    // Whether the table's own row had already moved when the owner heard of the move.
    bool tableMovedBeforeTelling = false;

    int numberOfSections(platform::ui::TableView&) override { return static_cast<int>(sections.size()); }
    int numberOfRows(platform::ui::TableView&, int section) override
    {
        return static_cast<int>(sections[section].size());
    }
    platform::ui::TableViewCellPtr cellForRow(platform::ui::TableView& table, const IndexPath& indexPath) override;
    std::optional<double> heightForRow(platform::ui::TableView&, const IndexPath&) override { return kRowHeight; }

    void tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView& table,
                                                                     const IndexPath& from,
                                                                     const IndexPath& to) override;
    void tableViewCellDraggingDidStart() override { events.push_back("start"); }
    void tableViewCellDraggingDidFinishWithTableView(VLTInteractiveTableView&) override { events.push_back("finish"); }
    void tableViewCellDraggingCanceledWithLocked(bool locked) override
    {
        events.push_back(locked ? "locked" : "not locked");
    }
    std::optional<std::vector<int>> sectionsForDisablingFeatures() override;
    std::optional<std::vector<IndexPath>> indexPathsForDisablingFeaturesWithTableView(VLTInteractiveTableView&) override;
};

// A 320 x 400 table at the window's top left, filled by its owner, with reordering on.
class InteractiveTableTest : public testing_support::VeltraTest {
protected:
    void SetUp() override;

    // The centre of a row in window coordinates (the table is not scrolled).
    Point rowCenter(int row, int section = 0) const;
    std::string textOfRow(int row, int section = 0) const;
    std::size_t longPressCount() const;

    std::shared_ptr<platform::ui::Window> window;
    std::shared_ptr<VLTInteractiveTableView> table;
    std::shared_ptr<RowsOwner> owner = std::make_shared<RowsOwner>();
    std::unique_ptr<platform::ui::TouchInjector> finger;
};

} // namespace composer_screens_testing
