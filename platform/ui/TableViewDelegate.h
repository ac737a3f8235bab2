#pragma once

#include "ui/IndexPath.h"

#include <optional>

namespace platform::ui {

class TableView;

// A table's sizes and selection answers. Optional heights answer none by default, and
// the table uses its own row, header and footer heights.
class TableViewDelegate {
public:
    virtual ~TableViewDelegate() = default;
    virtual std::optional<double> heightForRow(TableView& table, const IndexPath& indexPath)
    {
        (void)table;
        (void)indexPath;
        return std::nullopt;
    }
    virtual std::optional<double> heightForHeader(TableView& table, int section)
    {
        (void)table;
        (void)section;
        return std::nullopt;
    }
    virtual std::optional<double> heightForFooter(TableView& table, int section)
    {
        (void)table;
        (void)section;
        return std::nullopt;
    }
    virtual void didSelectRow(TableView& table, const IndexPath& indexPath)
    {
        (void)table;
        (void)indexPath;
    }
    virtual void didDeselectRow(TableView& table, const IndexPath& indexPath)
    {
        (void)table;
        (void)indexPath;
    }
};

} // namespace platform::ui
