#include "composer/screens/CreateTransactionCollapsibleTextCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"
#include "ui/Animator.h"

using platform::graphics::Color;
using platform::graphics::makeRect;
using platform::ui::View;

namespace {

constexpr double margin = 16;
constexpr double collapsedHeight = 45;
constexpr double iconSize = 22;
constexpr double titleHeight = 34;
constexpr double textInset = 4;

} // namespace

CreateTransactionCollapsibleTextCell::CreateTransactionCollapsibleTextCell(const std::string& reuseIdentifier,
                                                                           const Texts& texts)
    : TableViewCell(reuseIdentifier)
    , addButton_(std::make_shared<platform::ui::Button>())
    , addLabel_(std::make_shared<platform::ui::Label>())
    , addIcon_(std::make_shared<platform::ui::Label>())
    , titleLabel_(std::make_shared<platform::ui::Label>())
    , textFrame_(std::make_shared<View>())
    , clearButton_(std::make_shared<platform::ui::Button>())
    , textView_(std::make_shared<platform::ui::TextView>())
    , hintLabel_(std::make_shared<platform::ui::Label>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    addIcon_->setFont(CreateTransactionLook::iconFont(iconSize));
    addIcon_->setTextColor(CreateTransactionLook::accent());
    addIcon_->setText(texts.glyph);
    addLabel_->setText("+  " + texts.add);
    addLabel_->setFont(platform::graphics::Font::boldSystemFont(16));
    addLabel_->setTextColor(CreateTransactionLook::accent());
    titleLabel_->setText(texts.title);
    titleLabel_->setFont(CreateTransactionLook::captionFont());
    titleLabel_->setTextColor(CreateTransactionLook::caption());
    clearButton_->setTitle(localizedSDK("Clear"));
    clearButton_->setTitleColor(CreateTransactionLook::accent());
    textFrame_->setBackgroundColor(Color::white());
    textFrame_->layer().setCornerRadius(6);
    textFrame_->layer().setBorderWidth(0.75);
    textFrame_->layer().setBorderColor(CreateTransactionLook::divider());
    textView_->setFont(CreateTransactionLook::bodyFont());
    hintLabel_->setText(texts.hint);
    hintLabel_->setFont(CreateTransactionLook::bodyFont());
    hintLabel_->setTextColor(Color::lightGray());
    textFrame_->addSubview(textView_);
    textFrame_->addSubview(hintLabel_);
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{addIcon_, addLabel_, addButton_, titleLabel_,
                                                                         clearButton_, textFrame_}) {
        contentView()->addSubview(view);
    }
    setGroupAlphas(1, 0);
}

void CreateTransactionCollapsibleTextCell::awakeFromNib()
{
    const auto self = std::static_pointer_cast<CreateTransactionCollapsibleTextCell>(shared_from_this());
    textView_->setDelegate(self);
    clearButton_->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                            [this](platform::ui::Control& sender) { clearButtonTapped(sender); });
}

void CreateTransactionCollapsibleTextCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    addIcon_->setFrame(makeRect(margin, (collapsedHeight - iconSize) / 2, iconSize + 4, iconSize));
    const double labelLeft = margin + iconSize + 12;
    addLabel_->setFrame(makeRect(labelLeft, 0, area.width() - labelLeft - margin, collapsedHeight));
    addButton_->setFrame(makeRect(0, 0, area.width(), collapsedHeight));
    // The clear button is as wide as its title, so the title ends where the editor does.
    const double clearWidth = clearButton_->titleLabel()->sizeThatFits({0, 0}).width;
    titleLabel_->setFrame(makeRect(margin, 4, area.width() - 2 * margin - clearWidth, titleHeight));
    clearButton_->setFrame(makeRect(area.width() - margin - clearWidth, 4, clearWidth, titleHeight));
    const double frameTop = 4 + titleHeight;
    const auto frame = makeRect(margin, frameTop, area.width() - 2 * margin, std::max(0.0, area.height() - frameTop - 10));
    textFrame_->setFrame(frame);
    textView_->setFrame(makeRect(textInset, textInset, frame.width() - 2 * textInset, frame.height() - 2 * textInset));
    hintLabel_->setFrame(makeRect(textInset + 6, textInset + 6, frame.width() - 2 * textInset - 12, 22));
}

void CreateTransactionCollapsibleTextCell::show(const std::string& text, bool minimized)
{
    textView_->setText(text);
    hintLabel_->setHidden(!text.empty());
    if (minimized) {
        makeTransitionToMinimizedMode();
    } else {
        makeTransitionToMaximizedMode();
    }
}

void CreateTransactionCollapsibleTextCell::setGroupAlphas(double collapsed, double open)
{
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{addButton_, addLabel_, addIcon_}) {
        view->setAlpha(collapsed);
    }
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{titleLabel_, textFrame_, clearButton_}) {
        view->setAlpha(open);
    }
}

void CreateTransactionCollapsibleTextCell::makeTransitionToMaximizedMode()
{
    for (const auto& view : std::initializer_list<std::shared_ptr<View>>{titleLabel_, textFrame_, clearButton_}) {
        view->setHidden(false);
    }
    platform::ui::Animator::performWithoutAnimation([this] { setGroupAlphas(0, 1); });
}

void CreateTransactionCollapsibleTextCell::makeTransitionToMinimizedMode()
{
    const std::initializer_list<std::shared_ptr<View>> all{addButton_,  addLabel_,  addIcon_,
                                                           titleLabel_, textFrame_, clearButton_};
    for (const auto& view : all) {
        view->setHidden(false);
    }
    const std::weak_ptr<TableViewCell> weak = std::static_pointer_cast<TableViewCell>(shared_from_this());
    platform::ui::Animator::animate(
        animationDuration, [this] { setGroupAlphas(1, 0); },
        [this, weak](bool) {
            const auto alive = weak.lock();
            // Opened again meanwhile: the open group stays.
            if (!alive || textFrame_->alpha() > 0) {
                return;
            }
            titleLabel_->setHidden(true);
            textFrame_->setHidden(true);
            clearButton_->setHidden(true);
        });
}

void CreateTransactionCollapsibleTextCell::openEditor()
{
    tellMinimized(false);
    makeTransitionToMaximizedMode();
}

void CreateTransactionCollapsibleTextCell::clearButtonTapped(platform::ui::Control&)
{
    textView_->setText("");
    hintLabel_->setHidden(false);
    sendText(std::nullopt);
    makeTransitionToMinimizedMode();
    tellMinimized(true);
}

void CreateTransactionCollapsibleTextCell::textViewDidBeginEditing(platform::ui::TextView&)
{
    hintLabel_->setHidden(true);
    tellEditingBegan();
}

// Emptied by hand, the text is gone as surely as with the clear button: the page must
// not keep the last letters typed. The row stays open and editing goes on.
void CreateTransactionCollapsibleTextCell::textViewDidChange(platform::ui::TextView& view)
{
    sendText(view.text().empty() ? std::nullopt : std::optional<std::string>(view.text()));
}

void CreateTransactionCollapsibleTextCell::textViewDidEndEditing(platform::ui::TextView& view)
{
    if (view.text().empty()) {
        hintLabel_->setHidden(false);
        return;
    }
    sendText(view.text());
}
