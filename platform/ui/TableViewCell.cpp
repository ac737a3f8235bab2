#include "ui/TableViewCell.h"

#include <algorithm>

namespace platform::ui {

namespace {

constexpr double textInset = 15;

} // namespace

TableViewCell::TableViewCell(std::string reuseIdentifier)
    : reuseIdentifier_(std::move(reuseIdentifier))
    , contentView_(std::make_shared<View>())
{
    setBackgroundColor(Color::white());
    addSubview(contentView_);
}

const std::shared_ptr<Label>& TableViewCell::textLabel()
{
    if (!textLabel_) {
        textLabel_ = std::make_shared<Label>();
        textLabel_->setFont(graphics::Font::systemFont(17));
        contentView_->addSubview(textLabel_);
        setNeedsLayout();
    }
    return textLabel_;
}

void TableViewCell::setSelected(bool selected, bool)
{
    selected_ = selected;
}

void TableViewCell::setContentInsets(const EdgeInsets& insets)
{
    if (insets == contentInsets_) {
        return;
    }
    contentInsets_ = insets;
    setNeedsLayout();
}

void TableViewCell::layoutSubviews()
{
    const Rect content = bounds().inset(contentInsets_);
    contentView_->setFrame({content.origin, {std::max(content.width(), 0.0), content.height()}});
    if (textLabel_) {
        const Size size = contentView_->bounds().size;
        textLabel_->setFrame(graphics::makeRect(textInset, 0, size.width - 2 * textInset, size.height));
    }
}

void TableViewCell::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds();
    if (selected_ && selectionStyle_ != CellSelectionStyle::none) {
        context.fill(area, Color::systemGray4());
    }
    const double separatorY = area.maxY() - 0.25;
    // The divider starts under the content's text, and runs to the row's far edge.
    const double start = contentView_->frame().minX() + textInset;
    context.strokeLine({start, separatorY}, {area.maxX(), separatorY}, Color::systemGray4(), 0.5);
}

} // namespace platform::ui
