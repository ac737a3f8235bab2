#include "designer/screens/ZKSignatureFieldTableViewCell.h"

#include "ui/Animator.h"

namespace {

constexpr double glyphSize = 20;

} // namespace

ZKSignatureFieldTableViewCell::ZKSignatureFieldTableViewCell(const std::string& reuseIdentifier)
    : ZKPanelInnerRowCell(reuseIdentifier)
{
    auto content = std::make_shared<platform::ui::View>();
    auto left = makeGlyphLabel(glyphSize);
    auto description = makeTextLabel();
    auto right = makeGlyphLabel(glyphSize);
    for (const auto& view : {left, description, right}) {
        content->addSubview(view);
    }
    contentView()->addSubview(content);
    contentView()->addSubview(button());
    cellContentView = content;
    leftSignatureFieldIcon = left;
    signatureFieldDescriptionLabel = description;
    rightSignatureFieldIcon = right;
}

void ZKSignatureFieldTableViewCell::awakeFromNib()
{
    ZKPanelInnerRowCell::awakeFromNib();
    button()->addTarget(shared_from_this(), platform::ui::ControlEvent::touchUpInside,
                        [this](platform::ui::Control& sender) { signatureFieldTapped(sender); });
}

void ZKSignatureFieldTableViewCell::layoutSubviews()
{
    ZKPanelInnerRowCell::layoutSubviews();
    const auto area = contentView()->bounds();
    cellContentView.lock()->setFrame(area);
    leftSignatureFieldIcon.lock()->setFrame(glyphFrame(area));
    signatureFieldDescriptionLabel.lock()->setFrame(textFrame(area));
    rightSignatureFieldIcon.lock()->setFrame(iconColumnFrame(area));
    button()->setFrame(area);
}

void ZKSignatureFieldTableViewCell::enableCellAnimatedCompletion(bool animated, const Completion& completion)
{
    setUsable(true, animated, completion);
}

void ZKSignatureFieldTableViewCell::disableCellAnimatedCompletion(bool animated, const Completion& completion)
{
    setUsable(false, animated, completion);
}

void ZKSignatureFieldTableViewCell::setUsable(bool usable, bool animated, const Completion& completion)
{
    button()->setUserInteractionEnabled(usable);
    const auto content = cellContentView.lock();
    const double alpha = usable ? 1 : disabledAlpha;
    if (!animated) {
        content->setAlpha(alpha);
        if (completion) {
            completion();
        }
        return;
    }
    platform::ui::Animator::animate(enablingDuration, [&content, alpha] { content->setAlpha(alpha); },
                                    [completion](bool) {
                                        if (completion) {
                                            completion();
                                        }
                                    });
}

void ZKSignatureFieldTableViewCell::signatureFieldTapped(platform::ui::Control&)
{
    if (const auto listener = delegate()) {
        listener->signatureFieldWasTappedAtIndex(signatureFieldIndex);
    }
}

std::vector<ZKPanelRowCell::LookView> ZKSignatureFieldTableViewCell::lookViews() const
{
    return {{leftSignatureFieldIcon.lock().get(), LookPart::full},
            {signatureFieldDescriptionLabel.lock().get(), LookPart::full},
            {rightSignatureFieldIcon.lock().get(), LookPart::compact}};
}
