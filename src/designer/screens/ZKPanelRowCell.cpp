#include "designer/screens/ZKPanelRowCell.h"

#include "designer/screens/ZKFieldsTableNotifications.h"
#include "designer/screens/ZKPrepareFormFieldLook.h"
#include "foundation/NotificationCenter.h"
#include "ui/Animator.h"

#include <algorithm>

namespace {

constexpr double arrowTransitionFactor = 0.7;
constexpr double iconColumnWidth = 61;
constexpr double glyphLeft = 12;
constexpr double glyphWidth = 30;
constexpr double textGap = 8;

double clampedAlpha(double alpha)
{
    return std::clamp(alpha, 0.0, 1.0);
}

// The notification's "animationDuration", or the default when it gives none.
double animationDurationOf(const platform::Notification& notification)
{
    const auto& info = notification.userInfo;
    if (info.is_object()) {
        const auto found = info.find(ZKFieldsTableNotifications::animationDurationKey);
        if (found != info.end() && found->is_number()) {
            return found->get<double>();
        }
    }
    return ZKPanelRowCell::defaultAnimationDuration;
}

} // namespace

ZKPanelRowCell::~ZKPanelRowCell()
{
    platform::NotificationCenter::defaultCenter().removeObserver(static_cast<const platform::ui::View*>(this));
}

void ZKPanelRowCell::awakeFromNib()
{
    // A row wakes as the maximised panel shows it; the panel's notifications move it on.
    switchToExpandedMode();
    follow(ZKFieldsTableNotifications::minimize, &ZKPanelRowCell::followMinimize);
    follow(ZKFieldsTableNotifications::maximize, &ZKPanelRowCell::followMaximize);
    follow(ZKFieldsTableNotifications::transitioning, &ZKPanelRowCell::followTransition);
}

void ZKPanelRowCell::follow(const char* name, void (ZKPanelRowCell::*handler)(const platform::Notification&))
{
    const auto self = shared_from_this();
    platform::NotificationCenter::defaultCenter().addObserver(
        self, name, nullptr, [weak = std::weak_ptr<platform::ui::View>(self), handler](const auto& notification) {
            if (const auto row = std::static_pointer_cast<ZKPanelRowCell>(weak.lock())) {
                ((*row).*handler)(notification);
            }
        });
}

void ZKPanelRowCell::followMinimize(const platform::Notification& notification)
{
    animateShrinkWithDurationAndCompletionHandler(animationDurationOf(notification), nullptr);
}

void ZKPanelRowCell::followMaximize(const platform::Notification& notification)
{
    animateExpandWithDurationAndCompletionHandler(animationDurationOf(notification), nullptr);
}

void ZKPanelRowCell::followTransition(const platform::Notification& notification)
{
    const auto& info = notification.userInfo;
    const auto progress = info.is_object() ? info.find(ZKFieldsTableNotifications::progressKey) : info.end();
    if (progress != info.end() && progress->is_number()) {
        applyTransitionProgress(progress->get<double>());
    }
}

void ZKPanelRowCell::switchToShrinkeddMode()
{
    applyAlphas({0, 1, 0});
}

void ZKPanelRowCell::switchToExpandedMode()
{
    applyAlphas({1, 0, 1});
}

void ZKPanelRowCell::animateShrinkWithDurationAndCompletionHandler(double duration, Completion completion)
{
    animateTo({0, 1, 0}, duration, std::move(completion));
}

void ZKPanelRowCell::animateExpandWithDurationAndCompletionHandler(double duration, Completion completion)
{
    animateTo({1, 0, 1}, duration, std::move(completion));
}

void ZKPanelRowCell::applyTransitionProgress(double progress)
{
    applyAlphas({clampedAlpha(progress), clampedAlpha(1 - compactFadeFactor * progress),
                 clampedAlpha(arrowTransitionFactor * progress)});
}

void ZKPanelRowCell::animateTo(const Alphas& alphas, double duration, Completion completion)
{
    platform::ui::Animator::animate(duration, [this, alphas] { applyAlphas(alphas); },
                                    [completion = std::move(completion)](bool) {
                                        if (completion) {
                                            completion();
                                        }
                                    });
}

void ZKPanelRowCell::applyAlphas(const Alphas& alphas) const
{
    for (const auto& [view, part] : lookViews()) {
        switch (part) {
        case LookPart::full:
            view->setAlpha(alphas.full);
            break;
        case LookPart::compact:
            view->setAlpha(alphas.compact);
            break;
        case LookPart::arrow:
            view->setAlpha(alphas.arrow);
            break;
        }
    }
}

platform::graphics::Rect ZKPanelRowCell::glyphFrame(const platform::graphics::Rect& area)
{
    return platform::graphics::makeRect(area.minX() + glyphLeft, area.minY(), glyphWidth, area.height());
}

platform::graphics::Rect ZKPanelRowCell::textFrame(const platform::graphics::Rect& area)
{
    const double left = area.minX() + glyphLeft + glyphWidth + textGap;
    const double right = area.maxX() - iconColumnWidth - textGap;
    return platform::graphics::makeRect(left, area.minY(), std::max(0.0, right - left), area.height());
}

platform::graphics::Rect ZKPanelRowCell::iconColumnFrame(const platform::graphics::Rect& area)
{
    return platform::graphics::makeRect(area.maxX() - iconColumnWidth, area.minY(), iconColumnWidth, area.height());
}

std::shared_ptr<platform::ui::Label> ZKPanelRowCell::makeGlyphLabel(double size,
                                                                    std::optional<platform::graphics::Color> color)
{
    auto label = std::make_shared<platform::ui::Label>();
    label->setFont(ZKPrepareFormFieldLook::iconFont(size));
    label->setTextColor(color.value_or(ZKPrepareFormFieldLook::glyph()));
    label->setTextAlignment(platform::graphics::TextAlignment::center);
    return label;
}

std::shared_ptr<platform::ui::Label> ZKPanelRowCell::makeTextLabel()
{
    auto label = std::make_shared<platform::ui::Label>();
    label->setFont(ZKPrepareFormFieldLook::rowFont());
    label->setTextColor(ZKPrepareFormFieldLook::rowText());
    return label;
}
