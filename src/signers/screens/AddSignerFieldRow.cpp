#include "signers/screens/AddSignerFieldRow.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/ZKColor.h"

using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double captionTop = 8;
constexpr double captionHeight = 16;
constexpr double fieldHeight = 30;
constexpr double statusBarHeight = 3;
// A text field draws its text this far in from its left edge; the field starts that much
// to the left so typed text lines up with the caption.
constexpr double fieldTextInset = 4;

} // namespace

AddSignerFieldRow::AddSignerFieldRow(const std::string& caption)
    : caption_(std::make_shared<platform::ui::Label>()),
      textField_(std::make_shared<platform::ui::TextField>()),
      statusBar_(std::make_shared<platform::ui::View>())
{
    setBackgroundColor(platform::graphics::Color::white());
    caption_->setText(caption);
    caption_->setFont(CreateTransactionLook::captionFont());
    caption_->setTextColor(CreateTransactionLook::caption());
    textField_->setFont(CreateTransactionLook::bodyFont());
    statusBar_->setBackgroundColor(ZKColor::error());
    statusBar_->setHidden(true);
    addSubview(caption_);
    addSubview(textField_);
    addSubview(statusBar_);
}

void AddSignerFieldRow::setTrailingRoom(double room)
{
    trailingRoom_ = room;
    setNeedsLayout();
}

void AddSignerFieldRow::layoutSubviews()
{
    View::layoutSubviews();
    const auto area = bounds();
    const double width = area.width() - 2 * margin;
    caption_->setFrame(makeRect(margin, captionTop, width, captionHeight));
    textField_->setFrame(makeRect(margin - fieldTextInset, captionTop + captionHeight,
                                  width + fieldTextInset - trailingRoom_, fieldHeight));
    statusBar_->setFrame(makeRect(0, area.height() - statusBarHeight, area.width(), statusBarHeight));
}
