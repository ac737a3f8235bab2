#pragma once

#include "ui/Button.h"
#include "ui/Label.h"
#include "ui/TableViewCell.h"
#include "ui/TextView.h"

#include <memory>
#include <optional>
#include <string>

// A settings row that opens into a text editor. Collapsed it is one button with an icon
// and a label; open, a title and a clear button stand over a framed text view, whose
// hint shows while the text is empty. The row's height belongs to the page: the cell
// switches between its two looks, tells the page when a button opens or closes it, and
// sends the text as it is typed. Main thread.
class CreateTransactionCollapsibleTextCell : public platform::ui::TableViewCell, public platform::ui::TextViewDelegate {
public:
    static constexpr double animationDuration = 0.3;

    struct Texts {
        // The icon-font glyph beside the add button.
        std::string glyph;
        std::string add;
        std::string title;
        std::string hint;
    };

    // Shows the page's text, open or collapsed.
    void show(const std::string& text, bool minimized);
    void makeTransitionToMaximizedMode();
    void makeTransitionToMinimizedMode();
    void clearButtonTapped(platform::ui::Control& sender);

    void awakeFromNib() override;
    void layoutSubviews() override;
    void textViewDidBeginEditing(platform::ui::TextView& view) override;
    void textViewDidChange(platform::ui::TextView& view) override;
    void textViewDidEndEditing(platform::ui::TextView& view) override;

protected:
    CreateTransactionCollapsibleTextCell(const std::string& reuseIdentifier, const Texts& texts);

    // The add button's action.
    void openEditor();

    // What the page hears.
    virtual void sendText(const std::optional<std::string>& text) = 0;
    virtual void tellEditingBegan() = 0;
    virtual void tellMinimized(bool minimized) = 0;

    // The collapsed group.
    const std::shared_ptr<platform::ui::Button> addButton_;
    const std::shared_ptr<platform::ui::Label> addLabel_;
    const std::shared_ptr<platform::ui::Label> addIcon_;
    // The open group.
    const std::shared_ptr<platform::ui::Label> titleLabel_;
    const std::shared_ptr<platform::ui::View> textFrame_;
    const std::shared_ptr<platform::ui::Button> clearButton_;
    // Inside the frame.
    const std::shared_ptr<platform::ui::TextView> textView_;
    const std::shared_ptr<platform::ui::Label> hintLabel_;

private:
    void setGroupAlphas(double collapsed, double open);
};
