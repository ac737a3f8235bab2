#include "InteractiveTableTestSupport.h"

#include "ui/LongPressGestureRecognizer.h"

#include <algorithm>

namespace composer_screens_testing {

using platform::graphics::makeRect;

std::string describe(const IndexPath& indexPath)
{
    return std::to_string(indexPath.section) + "." + std::to_string(indexPath.row);
}

platform::ui::TableViewCellPtr RowsOwner::cellForRow(platform::ui::TableView& table, const IndexPath& indexPath)
{
    auto cell = table.dequeueReusableCell("row", indexPath);
    cell->textLabel()->setText(sections[indexPath.section][indexPath.row]);
    return cell;
}

void RowsOwner::tableViewRowMovedWithTableViewFromIndexPathToDestinationPath(VLTInteractiveTableView& table,
                                                                            const IndexPath& from,
                                                                            const IndexPath& to)
{
    const auto lifted = table.cellForRow(from);
    tableMovedBeforeTelling = tableMovedBeforeTelling || !lifted || lifted->textLabel()->displayedText() !=
                                                                        sections[from.section][from.row];
    events.push_back("move " + describe(from) + " -> " + describe(to));
    const std::string moving = sections[from.section][from.row];
    sections[from.section].erase(sections[from.section].begin() + from.row);
    sections[to.section].insert(sections[to.section].begin() + to.row, moving);
}

std::optional<std::vector<int>> RowsOwner::sectionsForDisablingFeatures()
{
    return answersLocks ? std::optional(sectionLocks) : std::nullopt;
}

std::optional<std::vector<IndexPath>> RowsOwner::indexPathsForDisablingFeaturesWithTableView(VLTInteractiveTableView&)
{
    return answersLocks ? std::optional(rowLocks) : std::nullopt;
}

void InteractiveTableTest::SetUp()
{
    VeltraTest::SetUp();
    window = std::make_shared<platform::ui::Window>();
    window->makeKeyAndVisible();
    table = std::make_shared<VLTInteractiveTableView>(makeRect(0, 0, 320, 400), platform::ui::TableViewStyle::plain);
    table->registerCell("row", [] { return std::make_shared<platform::ui::TableViewCell>("row"); });
    table->setDataSource(owner);
    table->setDelegate(owner);
    table->setInteractiveDelegate(owner);
    window->addSubview(table);
    table->reloadData();
    table->turnOnDragToOrder();
    finger = std::make_unique<platform::ui::TouchInjector>(window);
}

Point InteractiveTableTest::rowCenter(int row, int section) const
{
    return table->convertPointTo(table->rectForRow({section, row}).center(), nullptr);
}

std::string InteractiveTableTest::textOfRow(int row, int section) const
{
    const auto cell = table->cellForRow({section, row});
    return cell ? cell->textLabel()->displayedText() : "<no cell>";
}

std::size_t InteractiveTableTest::longPressCount() const
{
    const auto& recognizers = table->gestureRecognizers();
    return static_cast<std::size_t>(std::count_if(recognizers.begin(), recognizers.end(), [](const auto& recognizer) {
        return dynamic_cast<const platform::ui::LongPressGestureRecognizer*>(recognizer.get()) != nullptr;
    }));
}

} // namespace composer_screens_testing
