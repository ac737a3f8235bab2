#include "designer/screens/ZKSignerTableViewCell.h"

#include "designer/screens/ZKPrepareFormFieldLook.h"

namespace {

constexpr double glyphSize = 20;

} // namespace

ZKSignerTableViewCell::ZKSignerTableViewCell(const std::string& reuseIdentifier) : ZKPanelInnerRowCell(reuseIdentifier)
{
    auto icon = makeGlyphLabel(glyphSize);
    auto name = makeTextLabel();
    auto initials = makeTextLabel();
    initials->setFont(ZKPrepareFormFieldLook::initialsFont());
    initials->setTextAlignment(platform::graphics::TextAlignment::center);
    for (const auto& view : {icon, name, initials}) {
        contentView()->addSubview(view);
    }
    contentView()->addSubview(button());
    signerIcon = icon;
    signerNameLabel = name;
    signerCredentials = initials;
}

void ZKSignerTableViewCell::awakeFromNib()
{
    ZKPanelInnerRowCell::awakeFromNib();
    button()->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                        [this](platform::ui::Control& sender) { signerCellTapped(sender); });
}

void ZKSignerTableViewCell::layoutSubviews()
{
    ZKPanelInnerRowCell::layoutSubviews();
    const auto area = contentView()->bounds();
    signerIcon.lock()->setFrame(glyphFrame(area));
    signerNameLabel.lock()->setFrame(textFrame(area));
    signerCredentials.lock()->setFrame(iconColumnFrame(area));
    button()->setFrame(area);
}

void ZKSignerTableViewCell::signerCellTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->signerWasSelectedWithIndex(signerIndex);
    }
}

std::vector<ZKPanelRowCell::LookView> ZKSignerTableViewCell::lookViews() const
{
    return {{signerIcon.lock().get(), LookPart::full},
            {signerNameLabel.lock().get(), LookPart::full},
            {signerCredentials.lock().get(), LookPart::compact}};
}
