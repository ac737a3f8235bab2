#include "composer/screens/CreateTransactionDocumentHeaderCell.h"

#include "composer/screens/CreateTransactionLook.h"
#include "support/LocalizedSDK.h"
#include "ui/Screen.h"

using platform::graphics::makeRect;

namespace {

std::shared_ptr<platform::ui::Label> makeCaption(double size)
{
    auto caption = std::make_shared<platform::ui::Label>();
    caption->setText(localizedSDK("Documents"));
    caption->setFont(platform::graphics::Font::boldSystemFont(size));
    caption->setTextColor(CreateTransactionLook::caption());
    return caption;
}

} // namespace

CreateTransactionDocumentHeaderCell::CreateTransactionDocumentHeaderCell(const std::string& reuseIdentifier)
    : TableViewCell(reuseIdentifier)
{
    setClipsToBounds(true);
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto phone = makeCaption(15);
    auto tablet = makeCaption(19);
    contentView()->addSubview(phone);
    contentView()->addSubview(tablet);
    documentsLabelIphone = phone;
    documentsLabelIpad = tablet;
}

void CreateTransactionDocumentHeaderCell::layoutSubviews()
{
    TableViewCell::layoutSubviews();
    const bool tablet = platform::ui::Screen::main().traitCollection().isRegularByRegular();
    const auto area = contentView()->bounds();
    for (const auto& label : {documentsLabelIphone.lock(), documentsLabelIpad.lock()}) {
        label->setFrame(makeRect(16, 0, area.width() - 32, area.height()));
    }
    documentsLabelIphone.lock()->setHidden(tablet);
    documentsLabelIpad.lock()->setHidden(!tablet);
}
