#pragma once

#include "designer/screens/ZKPanelRowCell.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"
#include "ui/TableViewDataSource.h"
#include "ui/TableViewDelegate.h"

#include <memory>
#include <string>

// A row of the side panel that holds a list of 45-point inner rows (the other signers,
// the palette) in a table of its own, as tall as its rows, so only the panel's table
// scrolls. Selecting an inner row only deselects it: the inner rows' buttons take the
// taps. From waking until it goes the list follows the panel's minimise and maximise
// notifications, so that inner rows it makes later (after a turn showed more of it, or
// while the panel was covered) come in the panel's present look. Main thread only.
class ZKPanelListCell : public platform::ui::TableViewCell,
                        public platform::ui::TableViewDataSource,
                        public platform::ui::TableViewDelegate {
public:
    explicit ZKPanelListCell(const std::string& reuseIdentifier);
    ~ZKPanelListCell() override;

    bool isInShrinkedMode() const { return isInShrinkedMode_; }
    // The look the inner rows are given when they are next filled.
    void setIsInShrinkedMode(bool shrunk) { isInShrinkedMode_ = shrunk; }

    // The inner row under a point of this cell, or -1.
    long itemIndexForTouchAtLocation(const platform::graphics::Point& point) const;

    void awakeFromNib() override;
    void layoutSubviews() override;
    // Its inner rows draw their own dividers; one of the list's own would double the last.
    void draw(platform::graphics::DrawingContext& context) const override;

    std::optional<double> heightForRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;
    void didSelectRow(platform::ui::TableView& table, const platform::ui::IndexPath& indexPath) override;

protected:
    const std::shared_ptr<platform::ui::TableView>& innerTable() const { return table_; }
    // The inner row at `index` when it is on screen.
    platform::ui::TableViewCellPtr visibleRow(long index) const;
    // Puts an inner row in the look isInShrinkedMode() says, at once.
    void giveLook(ZKPanelRowCell& row) const;

private:
    void followPanelSize(const char* name, bool shrunk);

    std::shared_ptr<platform::ui::TableView> table_;
    bool isInShrinkedMode_ = false;
};
