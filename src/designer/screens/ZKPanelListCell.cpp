#include "designer/screens/ZKPanelListCell.h"

#include "designer/screens/ZKFieldsTableNotifications.h"
#include "designer/screens/ZKPanelInnerRowCell.h"
#include "foundation/NotificationCenter.h"

ZKPanelListCell::ZKPanelListCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier), table_(std::make_shared<platform::ui::TableView>())
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    setClipsToBounds(true);
    table_->setScrollEnabled(false);
    table_->setBackgroundColor(std::nullopt);
    // Its rows line up with the panel's own, which keep to the screen's edge.
    table_->setInsetsContentViewsToSafeArea(false);
    contentView()->addSubview(table_);
}

ZKPanelListCell::~ZKPanelListCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(static_cast<const platform::ui::View*>(this));
}

void ZKPanelListCell::awakeFromNib()
{
    const auto self = std::dynamic_pointer_cast<ZKPanelListCell>(shared_from_this());
    table_->setDataSource(self);
    table_->setDelegate(self);
    followPanelSize(ZKFieldsTableNotifications::minimize, true);
    followPanelSize(ZKFieldsTableNotifications::maximize, false);
}

// The rows on screen follow the notification themselves; the list keeps the look for
// the rows it has yet to make.
void ZKPanelListCell::followPanelSize(const char* name, bool shrunk)
{
    const auto self = shared_from_this();
    platform::NotificationCenter::defaultCenter().addObserver(
        self, name, nullptr, [weak = std::weak_ptr<platform::ui::View>(self), shrunk](const platform::Notification&) {
            if (const auto list = std::static_pointer_cast<ZKPanelListCell>(weak.lock())) {
                list->setIsInShrinkedMode(shrunk);
            }
        });
}

void ZKPanelListCell::draw(platform::graphics::DrawingContext& context) const
{
    View::draw(context);
}

void ZKPanelListCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    table_->setFrame(contentView()->bounds());
}

long ZKPanelListCell::itemIndexForTouchAtLocation(const platform::graphics::Point& point) const
{
    const auto row = table_->indexPathForRow(convertPointTo(point, table_.get()));
    return row ? row->row : -1;
}

std::optional<double> ZKPanelListCell::heightForRow(platform::ui::TableView&, const platform::ui::IndexPath&)
{
    return ZKPanelInnerRowCell::height;
}

void ZKPanelListCell::didSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath)
{
    table.deselectRow(indexPath, true);
}

platform::ui::TableViewCellPtr ZKPanelListCell::visibleRow(long index) const
{
    return table_->cellForRow({0, static_cast<int>(index)});
}

void ZKPanelListCell::giveLook(ZKPanelRowCell& row) const
{
    if (isInShrinkedMode_) {
        row.switchToShrinkeddMode();
    } else {
        row.switchToExpandedMode();
    }
}
