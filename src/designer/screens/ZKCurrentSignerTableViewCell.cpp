#include "designer/screens/ZKCurrentSignerTableViewCell.h"

#include "designer/screens/ZKPrepareFormFieldLook.h"

using platform::graphics::makeRect;

namespace {

constexpr double glyphSize = 20;
constexpr double smallGlyphSize = 14;
constexpr double arrowSize = 14;
constexpr double smallGlyphLeft = 5;
constexpr double smallGlyphWidth = 20;
constexpr double initialsGap = 4;

} // namespace

ZKCurrentSignerTableViewCell::ZKCurrentSignerTableViewCell(const std::string& reuseIdentifier)
    : ZKPanelRowCell(reuseIdentifier), button_(std::make_shared<platform::ui::Button>())
{
    setSelectionStyle(platform::ui::CellSelectionStyle::none);
    auto icon = makeGlyphLabel(glyphSize, platform::graphics::Color::white());
    auto arrow = makeGlyphLabel(arrowSize, platform::graphics::Color::white());
    arrow->setText(openArrow);
    auto name = makeTextLabel();
    name->setTextColor(platform::graphics::Color::white());
    name->setFont(ZKPrepareFormFieldLook::titleFont());
    auto small = makeGlyphLabel(smallGlyphSize, platform::graphics::Color::white());
    auto initials = makeTextLabel();
    initials->setTextColor(platform::graphics::Color::white());
    initials->setFont(ZKPrepareFormFieldLook::initialsFont());
    for (const auto& view : {icon, arrow, name, small, initials}) {
        contentView()->addSubview(view);
    }
    contentView()->addSubview(button_);
    signerIconLeft = icon;
    arrowIcon = arrow;
    signerNameLabel = name;
    signerIconLeftSmall = small;
    signerInitialsLabel = initials;
}

void ZKCurrentSignerTableViewCell::awakeFromNib()
{
    ZKPanelRowCell::awakeFromNib();
    button_->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                       [this](platform::ui::Control& sender) { currentSignerCellTapped(sender); });
}

void ZKCurrentSignerTableViewCell::layoutSubviews()
{
    ZKPanelRowCell::layoutSubviews();
    const auto area = contentView()->bounds();
    const auto column = iconColumnFrame(area);
    signerIconLeft.lock()->setFrame(glyphFrame(area));
    signerNameLabel.lock()->setFrame(textFrame(area));
    arrowIcon.lock()->setFrame(column);
    const double initialsLeft = smallGlyphLeft + smallGlyphWidth + initialsGap;
    signerIconLeftSmall.lock()->setFrame(
        makeRect(column.minX() + smallGlyphLeft, column.minY(), smallGlyphWidth, column.height()));
    signerInitialsLabel.lock()->setFrame(
        makeRect(column.minX() + initialsLeft, column.minY(), column.width() - initialsLeft, column.height()));
    button_->setFrame(area);
}

void ZKCurrentSignerTableViewCell::currentSignerCellTapped(platform::ui::Control&)
{
    const auto listener = delegate();
    if (isInExpandedMode) {
        arrowIcon.lock()->setText(openArrow);
        if (listener) {
            listener->minimizingSignersRequested();
        }
    } else {
        arrowIcon.lock()->setText(closeArrow);
        if (listener) {
            listener->maximizingSignersRequested();
        }
    }
    isInExpandedMode = !isInExpandedMode;
}

std::vector<ZKPanelRowCell::LookView> ZKCurrentSignerTableViewCell::lookViews() const
{
    return {{signerIconLeft.lock().get(), LookPart::full},
            {signerNameLabel.lock().get(), LookPart::full},
            {arrowIcon.lock().get(), LookPart::arrow},
            {signerIconLeftSmall.lock().get(), LookPart::compact},
            {signerInitialsLabel.lock().get(), LookPart::compact}};
}
