#include "composer/screens/CreateTransactionEmailMessageCell.h"

#include "composer/VLTNewTransactionViewModel.h"
#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"

#include <algorithm>

using platform::graphics::Color;
using platform::graphics::makeRect;

namespace {

constexpr double margin = 16;
constexpr double titleHeight = 40;
// The row is far taller than a screen's spare room; the editor keeps a size that fits
// beside the rest of the page, and the row's remainder is page.
constexpr double editorHeight = 280;

} // namespace

CreateTransactionEmailMessageCell::CreateTransactionEmailMessageCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
    , tapGesture(std::make_shared<platform::ui::TapGestureRecognizer>())
    , titleLabel_(std::make_shared<platform::ui::Label>())
    , clearButton_(std::make_shared<platform::ui::Button>())
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    setBackgroundColor(CreateTransactionLook::pageBackground());
    contentView()->setBackgroundColor(CreateTransactionLook::pageBackground());
    titleLabel_->setText(localizedSDK("Message to all recipients"));
    titleLabel_->setFont(CreateTransactionLook::captionFont());
    titleLabel_->setTextColor(CreateTransactionLook::caption());
    clearButton_->setTitle(localizedSDK("Clear"));
    clearButton_->setTitleColor(CreateTransactionLook::accent());
    auto textView = std::make_shared<platform::ui::TextView>();
    textView->setFont(CreateTransactionLook::bodyFont());
    textView->setBackgroundColor(Color::white());
    auto hint = std::make_shared<platform::ui::Label>();
    hint->setText(localizedSDK("Add a message for all recipients"));
    hint->setTextColor(Color::lightGray());
    hint->setFont(CreateTransactionLook::bodyFont());
    for (const auto& view : std::initializer_list<std::shared_ptr<platform::ui::View>>{titleLabel_, clearButton_,
                                                                                       textView, hint}) {
        contentView()->addSubview(view);
    }
    emailTextView = textView;
    textViewDescriptionLabel = hint;
}

void CreateTransactionEmailMessageCell::awakeFromNib()
{
    const auto self = std::static_pointer_cast<CreateTransactionEmailMessageCell>(shared_from_this());
    const auto textView = emailTextView.lock();
    textView->layer().setBorderWidth(0.75);
    textView->layer().setBorderColor(Color::fromRGBA(0.808, 0.808, 0.808));
    // A tap on the text view itself must still reach it and start editing.
    tapGesture->setCancelsTouchesInView(false);
    tapGesture->addTarget(self, [this](platform::ui::GestureRecognizer&) { dismissKeyboard(); });
    contentView()->addGestureRecognizer(tapGesture);
    textView->setDelegate(self);
    clearButton_->addTarget(self, platform::ui::ControlEvent::touchUpInside,
                            [this](platform::ui::Control& sender) { clearButtonTapped(sender); });
}

void CreateTransactionEmailMessageCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const auto area = contentView()->bounds();
    // The clear button is as wide as its title, so the title ends where the editor does.
    const double clearWidth = clearButton_->titleLabel()->sizeThatFits({0, 0}).width;
    titleLabel_->setFrame(makeRect(margin, 0, area.width() - 2 * margin - clearWidth, titleHeight));
    clearButton_->setFrame(makeRect(area.width() - margin - clearWidth, 0, clearWidth, titleHeight));
    const double height = std::clamp(area.height() - titleHeight - margin, 0.0, editorHeight);
    const auto text = makeRect(margin, titleHeight, area.width() - 2 * margin, height);
    emailTextView.lock()->setFrame(text);
    textViewDescriptionLabel.lock()->setFrame(makeRect(text.minX() + 8, text.minY() + 8, text.width() - 16, 24));
}

void CreateTransactionEmailMessageCell::manageDescriptionLabel()
{
    textViewDescriptionLabel.lock()->setHidden(!emailTextView.lock()->text().empty());
}

void CreateTransactionEmailMessageCell::dismissKeyboard()
{
    contentView()->endEditing(true);
}

void CreateTransactionEmailMessageCell::textViewDidBeginEditing(platform::ui::TextView&)
{
    textViewDescriptionLabel.lock()->setHidden(true);
    if (const auto listener = delegate()) {
        listener->emailMessageCellDidBeginEditing(*this);
    }
}

void CreateTransactionEmailMessageCell::textViewDidEndEditing(platform::ui::TextView& view)
{
    manageDescriptionLabel();
    VLTNewTransactionViewModel::sharedInstance()->setEmailMessage(view.text());
}

void CreateTransactionEmailMessageCell::clearButtonTapped(platform::ui::Control&)
{
    emailTextView.lock()->setText("");
    manageDescriptionLabel();
    contentView()->endEditing(true);
    VLTNewTransactionViewModel::sharedInstance()->setEmailMessage(std::nullopt);
}
