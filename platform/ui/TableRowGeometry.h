#pragma once

#include "graphics/Geometry.h"
#include "ui/IndexPath.h"

#include <optional>
#include <vector>

namespace platform::ui {

// The vertical layout of a table's sections and rows: header, rows and footer of each
// section stacked in order. Lookups by offset are binary searches.
class TableRowGeometry {
public:
    struct Section {
        double headerHeight = 0;
        double footerHeight = 0;
        std::vector<double> rowHeights;
    };

    void assign(std::vector<Section> sections);
    // A row of the section moved, with its height, to another place in it (both valid).
    void moveRow(int section, int from, int to);
    int numberOfSections() const { return static_cast<int>(sections_.size()); }
    int numberOfRows(int section) const;
    bool contains(const IndexPath& indexPath) const;
    double contentHeight() const { return totalHeight_; }

    // Top and height of a row, a header.
    double rowTop(const IndexPath& indexPath) const;
    double rowHeight(const IndexPath& indexPath) const;
    double headerTop(int section) const { return sectionTops_[section]; }
    double headerHeight(int section) const { return sections_[section].headerHeight; }

    // The row whose span holds y, if any.
    std::optional<IndexPath> rowAt(double y) const;
    // Every row that overlaps [top, bottom), in order.
    std::vector<IndexPath> rowsBetween(double top, double bottom) const;

private:
    int sectionAt(double y) const;

    std::vector<Section> sections_;
    std::vector<double> sectionTops_;
    std::vector<std::vector<double>> rowTops_;
    double totalHeight_ = 0;
};

} // namespace platform::ui
