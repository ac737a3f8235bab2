#pragma once

#include "ui/IndexPath.h"
#include "ui/TableViewCell.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

class TableView;

// Where a table's rows come from. The optional operations answer "not implemented" by
// default and the table then uses its own defaults.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSections(TableView& table)
    {
        (void)table;
        return 1;
    }
    virtual int numberOfRows(TableView& table, int section) = 0;
    virtual TableViewCellPtr cellForRow(TableView& table, const IndexPath& indexPath) = 0;
    virtual std::optional<std::string> titleForHeader(TableView& table, int section)
    {
        (void)table;
        (void)section;
        return std::nullopt;
    }
    virtual std::optional<std::vector<std::string>> sectionIndexTitles(TableView& table)
    {
        (void)table;
        return std::nullopt;
    }
    virtual int sectionForSectionIndexTitle(TableView& table, const std::string& title, int index)
    {
        (void)table;
        (void)title;
        return index;
    }
};

} // namespace platform::ui
