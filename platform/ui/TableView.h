#pragma once

#include "ui/IndexPath.h"
#include "ui/Label.h"
#include "ui/ScrollView.h"
#include "ui/TableDropDelegate.h"
#include "ui/TableHeaderLabel.h"
#include "ui/TableRowGeometry.h"
#include "ui/TableViewCell.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

enum class TableViewStyle { plain, grouped };
enum class TableRowAnimation { none, fade, right, left, top, bottom, automatic };
enum class TableScrollPosition { none, top, middle, bottom };

// A scrolling list of rows in sections. Only the rows on screen have cells; cells come
// from registered factories by reuse identifier and go back to a reuse pool when they
// leave the screen. Row heights are asked of the delegate at each reload and update.
// Inside a scroll view (a table as tall as its rows, in a row of an outer table) the rows
// on screen are those the enclosing scroll views show. Such a table reloaded while its
// views are outside any window (its row being set up) makes its cells at its next layout
// pass, once it knows where it stands.
class TableView : public ScrollView {
public:
    using CellFactory = std::function<TableViewCellPtr()>;
    static constexpr double defaultRowHeight = 44;
    static constexpr double defaultHeaderHeight = 28;
    static constexpr double updateAnimationDuration = 0.3;

    explicit TableView(TableViewStyle style = TableViewStyle::plain);
    TableView(const Rect& frame, TableViewStyle style);

    TableViewStyle style() const { return style_; }
    void setDataSource(const std::shared_ptr<TableViewDataSource>& dataSource) { dataSource_ = dataSource; }
    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDelegate(const std::shared_ptr<TableViewDelegate>& delegate) { delegate_ = delegate; }
    std::shared_ptr<TableViewDelegate> delegate() const { return delegate_.lock(); }
    void setDropDelegate(const std::shared_ptr<TableDropDelegate>& delegate) { dropDelegate_ = delegate; }
    std::shared_ptr<TableDropDelegate> dropDelegate() const { return dropDelegate_.lock(); }
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height) { rowHeight_ = height; }
    // Whether the rows' content and the section titles keep out of the sides of the safe
    // area (on by default); a table that lies at an edge by design turns it off.
    bool insetsContentViewsToSafeArea() const { return insetsContentViewsToSafeArea_; }
    void setInsetsContentViewsToSafeArea(bool insets);

    // Cells.
    void registerCell(const std::string& reuseIdentifier, CellFactory factory);
    // A pooled cell of the identifier (prepared for reuse) or a new one from its
    // factory; null for an identifier that was never registered.
    TableViewCellPtr dequeueReusableCell(const std::string& reuseIdentifier);
    TableViewCellPtr dequeueReusableCell(const std::string& reuseIdentifier, const IndexPath& indexPath);
    // Cells made by factories so far (for checking that cells are reused).
    std::size_t cellsMade() const { return cellsMade_; }

    // Rows and queries.
    void reloadData();
    int numberOfSections() const { return geometry_.numberOfSections(); }
    int numberOfRows(int section) const { return geometry_.numberOfRows(section); }
    Rect rectForRow(const IndexPath& indexPath) const;
    Rect rectForHeader(int section) const;
    // The cell on screen for the row, or null.
    TableViewCellPtr cellForRow(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForCell(const TableViewCell& cell) const;
    // The row at a point of the table's own (content) coordinates.
    std::optional<IndexPath> indexPathForRow(const Point& point) const;
    std::vector<TableViewCellPtr> visibleCells() const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;

    // Updates. Heights are asked again at endUpdates() and the change is animated.
    void beginUpdates();
    void endUpdates();
    // The data source already answers the new counts.
    void deleteRows(const std::vector<IndexPath>& indexPaths, TableRowAnimation animation);
    void moveRow(const IndexPath& from, const IndexPath& to);

    // Selection.
    void selectRow(const std::optional<IndexPath>& indexPath, bool animated, TableScrollPosition position);
    void deselectRow(const IndexPath& indexPath, bool animated);
    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }

    void scrollToRow(const IndexPath& indexPath, TableScrollPosition position, bool animated);

    // Section index: the titles shown at the side and what a tap on one of them does.
    std::vector<std::string> sectionIndexTitles() const;
    void scrollToSectionIndexTitle(int index);

    void layoutSubviews() override;
    void didMoveToWindow() override;
    void touchesBegan(const TouchSet& touches) override;
    void touchesEnded(const TouchSet& touches) override;
    void touchesCancelled(const TouchSet& touches) override;

protected:
    // A cell put on screen for a row, and one taken off it (before it goes to the pool).
    virtual void willDisplayCell(const TableViewCellPtr& cell, const IndexPath& indexPath);
    virtual void didEndDisplayingCell(const TableViewCellPtr& cell);

private:
    struct Span {
        double top;
        double bottom;
    };
    // The part of the content shown: the bounds, cut by every enclosing scroll view, which
    // this table then follows.
    Span shownSpan();
    bool waitsForPlacement() const;
    void rebuildGeometry(bool animated);
    void layoutVisibleRows(bool animated);
    void placeCell(const IndexPath& indexPath, const TableViewCellPtr& cell, bool animated);
    void recycle(const TableViewCellPtr& cell);
    void shiftAfterDeletion(const std::vector<IndexPath>& deleted, TableRowAnimation animation);
    void slideOut(const TableViewCellPtr& cell, TableRowAnimation animation);
    void layoutHeaders(const Span& shown);
    // What the rows' content and the section titles leave to the safe area at the sides.
    EdgeInsets contentInsets() const;
    std::optional<IndexPath> rowOfTouch(const TouchSet& touches) const;

    TableViewStyle style_;
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> delegate_;
    std::weak_ptr<TableDropDelegate> dropDelegate_;
    double rowHeight_ = defaultRowHeight;
    std::map<std::string, CellFactory> factories_;
    std::map<std::string, std::vector<TableViewCellPtr>> reusePool_;
    std::map<IndexPath, TableViewCellPtr> visible_;
    std::map<int, std::shared_ptr<TableHeaderLabel>> headers_;
    TableRowGeometry geometry_;
    std::optional<IndexPath> selected_;
    std::optional<IndexPath> touchedRow_;
    int updateDepth_ = 0;
    std::size_t cellsMade_ = 0;
    bool loaded_ = false;
    bool insetsContentViewsToSafeArea_ = true;
};

using TableViewPtr = std::shared_ptr<TableView>;

} // namespace platform::ui
