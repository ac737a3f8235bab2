#include "ui/TableViewCell.h"

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

void TableViewCell::layoutSubviews()
{
    contentView_->setFrame({{0, 0}, bounds().size});
    if (textLabel_) {
        textLabel_->setFrame(graphics::makeRect(textInset, 0, bounds().width() - 2 * textInset, bounds().height()));
    }
}

void TableViewCell::draw(graphics::DrawingContext& context) const
{
    const Rect area = bounds();
    if (selected_ && selectionStyle_ != CellSelectionStyle::none) {
        context.fill(area, Color::systemGray4());
    }
    const double separatorY = area.maxY() - 0.25;
    context.strokeLine({area.minX() + textInset, separatorY}, {area.maxX(), separatorY}, Color::systemGray4(), 0.5);
}

} // namespace platform::ui
