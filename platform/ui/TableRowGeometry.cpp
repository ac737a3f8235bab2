#include "ui/TableRowGeometry.h"

#include <algorithm>

namespace platform::ui {

void TableRowGeometry::assign(std::vector<Section> sections)
{
    sections_ = std::move(sections);
    sectionTops_.assign(sections_.size(), 0);
    rowTops_.assign(sections_.size(), {});
    double top = 0;
    for (std::size_t index = 0; index < sections_.size(); ++index) {
        const Section& section = sections_[index];
        sectionTops_[index] = top;
        top += section.headerHeight;
        auto& tops = rowTops_[index];
        tops.resize(section.rowHeights.size());
        for (std::size_t row = 0; row < tops.size(); ++row) {
            tops[row] = top;
            top += section.rowHeights[row];
        }
        top += section.footerHeight;
    }
    totalHeight_ = top;
}

void TableRowGeometry::moveRow(int section, int from, int to)
{
    auto& heights = sections_[section].rowHeights;
    auto& tops = rowTops_[section];
    const auto first = static_cast<std::size_t>(std::min(from, to));
    const auto last = static_cast<std::size_t>(std::max(from, to));
    const auto begin = heights.begin() + static_cast<std::ptrdiff_t>(first);
    const auto end = heights.begin() + static_cast<std::ptrdiff_t>(last) + 1;
    std::rotate(begin, from < to ? begin + 1 : end - 1, end);
    for (std::size_t row = first + 1; row <= last; ++row) {
        tops[row] = tops[row - 1] + heights[row - 1];
    }
}

int TableRowGeometry::numberOfRows(int section) const
{
    if (section < 0 || section >= numberOfSections()) {
        return 0;
    }
    return static_cast<int>(sections_[section].rowHeights.size());
}

bool TableRowGeometry::contains(const IndexPath& indexPath) const
{
    return indexPath.row >= 0 && indexPath.row < numberOfRows(indexPath.section);
}

double TableRowGeometry::rowTop(const IndexPath& indexPath) const
{
    return rowTops_[indexPath.section][indexPath.row];
}

double TableRowGeometry::rowHeight(const IndexPath& indexPath) const
{
    return sections_[indexPath.section].rowHeights[indexPath.row];
}

int TableRowGeometry::sectionAt(double y) const
{
    const auto after = std::upper_bound(sectionTops_.begin(), sectionTops_.end(), y);
    return static_cast<int>(after - sectionTops_.begin()) - 1;
}

std::optional<IndexPath> TableRowGeometry::rowAt(double y) const
{
    if (y < 0 || y >= totalHeight_) {
        return std::nullopt;
    }
    for (int section = sectionAt(y); section >= 0; --section) {
        const auto& tops = rowTops_[section];
        const auto after = std::upper_bound(tops.begin(), tops.end(), y);
        if (after == tops.begin()) {
            if (sections_[section].headerHeight > 0 || !tops.empty()) {
                return std::nullopt;
            }
            continue;
        }
        const int row = static_cast<int>(after - tops.begin()) - 1;
        if (y < tops[row] + sections_[section].rowHeights[row]) {
            return IndexPath{section, row};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<IndexPath> TableRowGeometry::rowsBetween(double top, double bottom) const
{
    std::vector<IndexPath> rows;
    for (int section = std::max(sectionAt(top), 0); section < numberOfSections(); ++section) {
        if (sectionTops_[section] >= bottom) {
            break;
        }
        const auto& tops = rowTops_[section];
        const auto& heights = sections_[section].rowHeights;
        auto first = std::upper_bound(tops.begin(), tops.end(), top);
        int row = first == tops.begin() ? 0 : static_cast<int>(first - tops.begin()) - 1;
        for (; row < static_cast<int>(tops.size()) && tops[row] < bottom; ++row) {
            const double rowBottom = tops[row] + heights[row];
            if (rowBottom > top || (heights[row] == 0 && tops[row] >= top)) {
                rows.push_back({section, row});
            }
        }
    }
    return rows;
}

} // namespace platform::ui
