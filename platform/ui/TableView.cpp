#include "ui/TableView.h"

#include "foundation/Log.h"
#include "ui/Animator.h"

#include <algorithm>
#include <limits>

namespace platform::ui {

TableView::TableView(TableViewStyle style) : style_(style)
{
    setBackgroundColor(style == TableViewStyle::grouped ? Color::systemGray6() : Color::white());
}

TableView::TableView(const Rect& frame, TableViewStyle style) : TableView(style)
{
    setFrame(frame);
}

void TableView::setInsetsContentViewsToSafeArea(bool insets)
{
    insetsContentViewsToSafeArea_ = insets;
    setNeedsLayout();
}

EdgeInsets TableView::contentInsets() const
{
    if (!insetsContentViewsToSafeArea_) {
        return {};
    }
    const EdgeInsets safeArea = safeAreaInsets();
    return {0, safeArea.left, 0, safeArea.right};
}

void TableView::registerCell(const std::string& reuseIdentifier, CellFactory factory)
{
    factories_[reuseIdentifier] = std::move(factory);
}

TableViewCellPtr TableView::dequeueReusableCell(const std::string& reuseIdentifier)
{
    auto& pool = reusePool_[reuseIdentifier];
    if (!pool.empty()) {
        auto cell = pool.back();
        pool.pop_back();
        cell->prepareForReuse();
        return cell;
    }
    const auto factory = factories_.find(reuseIdentifier);
    if (factory == factories_.end()) {
        return nullptr;
    }
    auto cell = factory->second();
    if (cell) {
        ++cellsMade_;
        cell->awakeFromNib();
    }
    return cell;
}

TableViewCellPtr TableView::dequeueReusableCell(const std::string& reuseIdentifier, const IndexPath&)
{
    return dequeueReusableCell(reuseIdentifier);
}

void TableView::reloadData()
{
    loaded_ = true;
    for (const auto& [indexPath, cell] : visible_) {
        recycle(cell);
    }
    visible_.clear();
    selected_.reset();
    rebuildGeometry(false);
    if (waitsForPlacement()) {
        setNeedsLayout();
        return;
    }
    layoutVisibleRows(false);
}

bool TableView::waitsForPlacement() const
{
    return superviewPointer() && !window();
}

TableView::Span TableView::shownSpan()
{
    const Rect own = bounds();
    Span span{own.minY(), own.maxY()};
    const auto self = weak_from_this().lock();
    for (View* ancestor = superviewPointer(); ancestor; ancestor = ancestor->superviewPointer()) {
        auto* scroll = dynamic_cast<ScrollView*>(ancestor);
        if (!scroll) {
            continue;
        }
        if (self) {
            scroll->addVisibleAreaFollower(self);
        }
        const Rect shown = convertRectFrom(scroll->bounds(), scroll);
        span.top = std::max(span.top, shown.minY());
        span.bottom = std::min(span.bottom, shown.maxY());
    }
    return span;
}

void TableView::rebuildGeometry(bool animated)
{
    const auto source = dataSource();
    const auto sizes = delegate();
    const int sectionCount = source ? std::max(source->numberOfSections(*this), 0) : 0;
    std::vector<TableRowGeometry::Section> sections(static_cast<std::size_t>(sectionCount));
    for (int section = 0; section < sectionCount; ++section) {
        auto& geometry = sections[section];
        const bool titled = source->titleForHeader(*this, section).has_value();
        const auto header = sizes ? sizes->heightForHeader(*this, section) : std::nullopt;
        geometry.headerHeight = header.value_or(titled ? defaultHeaderHeight : 0);
        const auto footer = sizes ? sizes->heightForFooter(*this, section) : std::nullopt;
        geometry.footerHeight = footer.value_or(0);
        const int rows = std::max(source->numberOfRows(*this, section), 0);
        geometry.rowHeights.resize(static_cast<std::size_t>(rows), rowHeight_);
        if (!sizes) {
            continue;
        }
        for (int row = 0; row < rows; ++row) {
            if (const auto height = sizes->heightForRow(*this, {section, row})) {
                geometry.rowHeights[row] = std::max(*height, 0.0);
            }
        }
    }
    geometry_.assign(std::move(sections));
    const Size content{bounds().width(), geometry_.contentHeight()};
    if (!animated) {
        setContentSize(content);
        return;
    }
    // Content that shrinks under the offset brings it back with the rows' own animation.
    Animator::animate(updateAnimationDuration, [&] { setContentSize(content); });
}

void TableView::layoutSubviews()
{
    if (!loaded_) {
        reloadData();
        return;
    }
    setContentSize({bounds().width(), geometry_.contentHeight()});
    layoutVisibleRows(false);
}

// Where the table now stands decides what its rows leave to the safe area.
void TableView::didMoveToWindow()
{
    if (window()) {
        setNeedsLayout();
    }
}

void TableView::layoutVisibleRows(bool animated)
{
    const Span shown = shownSpan();
    const auto rows = shown.top < shown.bottom ? geometry_.rowsBetween(shown.top, shown.bottom) : std::vector<IndexPath>{};
    for (auto entry = visible_.begin(); entry != visible_.end();) {
        if (!std::binary_search(rows.begin(), rows.end(), entry->first)) {
            recycle(entry->second);
            entry = visible_.erase(entry);
        } else {
            ++entry;
        }
    }
    const auto source = dataSource();
    for (const IndexPath& indexPath : rows) {
        auto found = visible_.find(indexPath);
        if (found != visible_.end()) {
            placeCell(indexPath, found->second, animated);
            continue;
        }
        auto cell = source ? source->cellForRow(*this, indexPath) : nullptr;
        if (!cell) {
            cell = std::make_shared<TableViewCell>();
        }
        visible_[indexPath] = cell;
        insertSubview(cell, 0);
        cell->setSelected(selected_ == indexPath, false);
        willDisplayCell(cell, indexPath);
        placeCell(indexPath, cell, false);
    }
    layoutHeaders(shown);
    visibleAreaDidChange();
}

void TableView::willDisplayCell(const TableViewCellPtr&, const IndexPath&) {}

void TableView::didEndDisplayingCell(const TableViewCellPtr&) {}

void TableView::placeCell(const IndexPath& indexPath, const TableViewCellPtr& cell, bool animated)
{
    cell->setContentInsets(contentInsets());
    const Rect frame = rectForRow(indexPath);
    if (cell->frame() == frame) {
        cell->layoutIfNeeded();
        return;
    }
    if (animated) {
        Animator::animate(updateAnimationDuration, [&] { cell->setFrame(frame); });
    } else {
        cell->setFrame(frame);
    }
    cell->layoutIfNeeded();
}

void TableView::recycle(const TableViewCellPtr& cell)
{
    didEndDisplayingCell(cell);
    cell->removeFromSuperview();
    if (!cell->reuseIdentifier().empty()) {
        reusePool_[cell->reuseIdentifier()].push_back(cell);
    }
}

void TableView::layoutHeaders(const Span& shown)
{
    const auto source = dataSource();
    const EdgeInsets insets = contentInsets();
    std::map<int, std::shared_ptr<TableHeaderLabel>> kept;
    for (int section = 0; source && section < geometry_.numberOfSections(); ++section) {
        const Rect area = rectForHeader(section);
        const bool onScreen = area.height() > 0 && area.minY() < shown.bottom && area.maxY() > shown.top;
        const auto title = onScreen ? source->titleForHeader(*this, section) : std::nullopt;
        if (!title) {
            continue;
        }
        auto label = headers_.count(section) ? headers_[section] : std::make_shared<TableHeaderLabel>();
        label->setText(*title);
        label->setContentInsets(insets);
        label->setFont(graphics::Font::boldSystemFont(13));
        label->setBackgroundColor(Color::systemGray6());
        label->setFrame(area);
        if (!label->superview()) {
            addSubview(label);
        }
        kept[section] = label;
    }
    for (const auto& [section, label] : headers_) {
        if (!kept.count(section)) {
            label->removeFromSuperview();
        }
    }
    headers_ = std::move(kept);
}

Rect TableView::rectForRow(const IndexPath& indexPath) const
{
    if (!geometry_.contains(indexPath)) {
        return {};
    }
    return graphics::makeRect(0, geometry_.rowTop(indexPath), bounds().width(), geometry_.rowHeight(indexPath));
}

Rect TableView::rectForHeader(int section) const
{
    if (section < 0 || section >= geometry_.numberOfSections()) {
        return {};
    }
    return graphics::makeRect(0, geometry_.headerTop(section), bounds().width(), geometry_.headerHeight(section));
}

TableViewCellPtr TableView::cellForRow(const IndexPath& indexPath) const
{
    const auto found = visible_.find(indexPath);
    return found == visible_.end() ? nullptr : found->second;
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCell& cell) const
{
    for (const auto& [indexPath, candidate] : visible_) {
        if (candidate.get() == &cell) {
            return indexPath;
        }
    }
    return std::nullopt;
}

std::optional<IndexPath> TableView::indexPathForRow(const Point& point) const
{
    return geometry_.rowAt(point.y);
}

std::vector<TableViewCellPtr> TableView::visibleCells() const
{
    std::vector<TableViewCellPtr> cells;
    for (const auto& [indexPath, cell] : visible_) {
        cells.push_back(cell);
    }
    return cells;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const
{
    std::vector<IndexPath> rows;
    for (const auto& [indexPath, cell] : visible_) {
        rows.push_back(indexPath);
    }
    return rows;
}

void TableView::beginUpdates()
{
    ++updateDepth_;
}

void TableView::endUpdates()
{
    if (updateDepth_ == 0 || --updateDepth_ > 0) {
        return;
    }
    rebuildGeometry(true);
    layoutVisibleRows(true);
}

namespace {

// How many of the (sorted) deleted rows lie above the row in its section.
int rowsDeletedAbove(const std::vector<IndexPath>& deleted, const IndexPath& indexPath)
{
    return static_cast<int>(std::count_if(deleted.begin(), deleted.end(), [&](const IndexPath& gone) {
        return gone.section == indexPath.section && gone.row < indexPath.row;
    }));
}

} // namespace

void TableView::deleteRows(const std::vector<IndexPath>& indexPaths, TableRowAnimation animation)
{
    std::vector<IndexPath> deleted;
    std::copy_if(indexPaths.begin(), indexPaths.end(), std::back_inserter(deleted),
                 [&](const IndexPath& indexPath) { return geometry_.contains(indexPath); });
    std::sort(deleted.begin(), deleted.end());
    deleted.erase(std::unique(deleted.begin(), deleted.end()), deleted.end());
    std::vector<int> expected;
    for (int section = 0; section < geometry_.numberOfSections(); ++section) {
        expected.push_back(geometry_.numberOfRows(section) - rowsDeletedAbove(deleted, {section, std::numeric_limits<int>::max()}));
    }
    shiftAfterDeletion(deleted, animation);
    if (updateDepth_ > 0) {
        return;
    }
    rebuildGeometry(animation != TableRowAnimation::none);
    for (int section = 0; section < static_cast<int>(expected.size()); ++section) {
        if (geometry_.numberOfRows(section) != expected[section]) {
            Log::write("ui", "table rows do not match the data source after a delete; reloading");
            reloadData();
            return;
        }
    }
    layoutVisibleRows(true);
}

void TableView::shiftAfterDeletion(const std::vector<IndexPath>& deleted, TableRowAnimation animation)
{
    std::map<IndexPath, TableViewCellPtr> remaining;
    for (const auto& [indexPath, cell] : visible_) {
        if (std::binary_search(deleted.begin(), deleted.end(), indexPath)) {
            slideOut(cell, animation);
        } else {
            remaining[{indexPath.section, indexPath.row - rowsDeletedAbove(deleted, indexPath)}] = cell;
        }
    }
    visible_ = std::move(remaining);
    if (selected_ && std::binary_search(deleted.begin(), deleted.end(), *selected_)) {
        selected_.reset();
    } else if (selected_) {
        selected_->row -= rowsDeletedAbove(deleted, *selected_);
    }
}

void TableView::slideOut(const TableViewCellPtr& cell, TableRowAnimation animation)
{
    const Rect frame = cell->frame();
    const double direction = animation == TableRowAnimation::right ? 1 : -1;
    const bool slides = animation != TableRowAnimation::none;
    const std::weak_ptr<View> table = weak_from_this();
    Animator::animate(
        slides ? updateAnimationDuration : 0,
        [&] {
            if (slides) {
                cell->setFrame(frame.offsetBy(direction * frame.width(), 0));
                cell->setAlpha(0);
            }
        },
        [table, cell](bool) {
            cell->setAlpha(1);
            if (const auto owner = std::static_pointer_cast<TableView>(table.lock())) {
                owner->recycle(cell);
            } else {
                cell->removeFromSuperview();
            }
        });
}

namespace {

// Where a row stands once the row at `from` has moved to `to`.
IndexPath placeAfterMove(IndexPath indexPath, const IndexPath& from, const IndexPath& to)
{
    if (indexPath == from) {
        return to;
    }
    if (indexPath.section == from.section && indexPath.row > from.row) {
        --indexPath.row;
    }
    if (indexPath.section == to.section && indexPath.row >= to.row) {
        ++indexPath.row;
    }
    return indexPath;
}

} // namespace

void TableView::moveRow(const IndexPath& from, const IndexPath& to)
{
    if (!geometry_.contains(from) || from == to) {
        return;
    }
    const bool withinSection = from.section == to.section;
    const IndexPath first = std::min(from, to);
    const IndexPath last = std::max(from, to);
    // Only the rows between the two places change; a drag over a long list moves one row
    // at a time, so the rest of the visible cells are left where they are.
    std::map<IndexPath, TableViewCellPtr> moved;
    const auto begin = withinSection ? visible_.lower_bound(first) : visible_.begin();
    const auto end = withinSection ? visible_.upper_bound(last) : visible_.end();
    for (auto entry = begin; entry != end; ++entry) {
        moved[placeAfterMove(entry->first, from, to)] = entry->second;
    }
    visible_.erase(begin, end);
    visible_.merge(moved);
    if (selected_) {
        selected_ = placeAfterMove(*selected_, from, to);
    }
    if (updateDepth_ > 0) {
        return;
    }
    if (!withinSection || !geometry_.contains(to)) {
        rebuildGeometry(true);
        layoutVisibleRows(true);
        return;
    }
    // The moved row takes its height along; no other height is asked again.
    geometry_.moveRow(from.section, from.row, to.row);
    // The rows between keep their span as a whole, so no row comes on or goes off screen.
    for (auto entry = visible_.lower_bound(first); entry != visible_.upper_bound(last); ++entry) {
        placeCell(entry->first, entry->second, true);
    }
}

void TableView::selectRow(const std::optional<IndexPath>& indexPath, bool animated, TableScrollPosition position)
{
    if (selected_ && selected_ != indexPath) {
        deselectRow(*selected_, animated);
    }
    if (!indexPath || !geometry_.contains(*indexPath)) {
        return;
    }
    selected_ = indexPath;
    if (const auto cell = cellForRow(*indexPath)) {
        cell->setSelected(true, animated);
    }
    if (position != TableScrollPosition::none) {
        scrollToRow(*indexPath, position, animated);
    }
}

void TableView::deselectRow(const IndexPath& indexPath, bool animated)
{
    if (selected_ == indexPath) {
        selected_.reset();
    }
    if (const auto cell = cellForRow(indexPath)) {
        cell->setSelected(false, animated);
    }
}

void TableView::scrollToRow(const IndexPath& indexPath, TableScrollPosition position, bool animated)
{
    if (!geometry_.contains(indexPath)) {
        return;
    }
    const Rect row = rectForRow(indexPath);
    const double height = bounds().height();
    double y = contentOffset().y;
    switch (position) {
    case TableScrollPosition::top:
        y = row.minY();
        break;
    case TableScrollPosition::middle:
        y = row.midY() - height / 2;
        break;
    case TableScrollPosition::bottom:
        y = row.maxY() - height;
        break;
    case TableScrollPosition::none:
        scrollRectToVisible(row, animated);
        return;
    }
    setContentOffset(clampedOffset({contentOffset().x, y}), animated);
}

std::vector<std::string> TableView::sectionIndexTitles() const
{
    const auto source = dataSource();
    auto* self = const_cast<TableView*>(this);
    return source ? source->sectionIndexTitles(*self).value_or(std::vector<std::string>{}) : std::vector<std::string>{};
}

void TableView::scrollToSectionIndexTitle(int index)
{
    const auto titles = sectionIndexTitles();
    const auto source = dataSource();
    if (!source || index < 0 || index >= static_cast<int>(titles.size())) {
        return;
    }
    const int section = source->sectionForSectionIndexTitle(*this, titles[index], index);
    if (section < 0 || section >= numberOfSections()) {
        return;
    }
    setContentOffset(clampedOffset({contentOffset().x, rectForHeader(section).minY()}), false);
}

std::optional<IndexPath> TableView::rowOfTouch(const TouchSet& touches) const
{
    if (touches.empty()) {
        return std::nullopt;
    }
    return indexPathForRow(touches.front()->locationInView(this));
}

void TableView::touchesBegan(const TouchSet& touches)
{
    touchedRow_ = rowOfTouch(touches);
}

void TableView::touchesEnded(const TouchSet& touches)
{
    const auto row = rowOfTouch(touches);
    const bool sameRow = row && row == touchedRow_;
    touchedRow_.reset();
    if (!sameRow) {
        return;
    }
    selectRow(row, false, TableScrollPosition::none);
    if (const auto owner = delegate()) {
        owner->didSelectRow(*this, *row);
    }
}

void TableView::touchesCancelled(const TouchSet&)
{
    touchedRow_.reset();
}

} // namespace platform::ui
