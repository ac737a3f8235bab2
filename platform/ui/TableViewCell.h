#pragma once

#include "ui/Label.h"
#include "ui/View.h"

#include <memory>
#include <string>

namespace platform::ui {

enum class CellSelectionStyle { none, gray };

// A row of a table: a content view, a reuse identifier and a selected state. The content
// view fills the row but for the sides its table leaves to the safe area; the row's
// background, selection and divider run to the edges. Cells made by a table from a
// registered factory get awakeFromNib() once, and prepareForReuse() each time they are
// handed out again.
class TableViewCell : public View {
public:
    explicit TableViewCell(std::string reuseIdentifier = "");

    const std::string& reuseIdentifier() const { return reuseIdentifier_; }
    const std::shared_ptr<View>& contentView() const { return contentView_; }
    // A plain cell's text, made on first use.
    const std::shared_ptr<Label>& textLabel();

    bool isSelected() const { return selected_; }
    virtual void setSelected(bool selected, bool animated);
    CellSelectionStyle selectionStyle() const { return selectionStyle_; }
    void setSelectionStyle(CellSelectionStyle style) { selectionStyle_ = style; }

    virtual void awakeFromNib() {}
    virtual void prepareForReuse() {}

    void layoutSubviews() override;
    void draw(graphics::DrawingContext& context) const override;

private:
    friend class TableView;
    void setContentInsets(const EdgeInsets& insets);

    std::string reuseIdentifier_;
    EdgeInsets contentInsets_;
    std::shared_ptr<View> contentView_;
    std::shared_ptr<Label> textLabel_;
    bool selected_ = false;
    CellSelectionStyle selectionStyle_ = CellSelectionStyle::gray;
};

using TableViewCellPtr = std::shared_ptr<TableViewCell>;

} // namespace platform::ui
