#include "ui/View.h"

#include "graphics/ImageContext.h"
#include "ui/Animator.h"
#include "ui/GestureRecognizer.h"
#include "ui/Interaction.h"
#include "ui/Keyboard.h"
#include "ui/Screen.h"
#include "ui/ViewController.h"
#include "ui/Window.h"

#include <algorithm>

namespace platform::ui {

namespace {

constexpr double minimumHitAlpha = 0.01;

Point boundsCenter(const Rect& bounds)
{
    return {bounds.origin.x + bounds.size.width / 2, bounds.origin.y + bounds.size.height / 2};
}

} // namespace

View::View() : layer_(*this) {}

View::View(const Rect& frame) : View()
{
    setFrame(frame);
}

View::~View()
{
    for (const auto& recognizer : recognizers_) {
        recognizer->setView(nullptr);
    }
    for (const auto& interaction : interactions_) {
        interaction->moveToView(nullptr);
    }
    for (const auto& subview : subviews_) {
        subview->superview_ = nullptr;
    }
}

Rect View::frame() const
{
    if (transform_.isIdentity()) {
        return {{center_.x - bounds_.size.width / 2, center_.y - bounds_.size.height / 2}, bounds_.size};
    }
    return transformToSuperview().apply(bounds_);
}

void View::setFrame(const Rect& frame)
{
    setCenter(frame.center());
    if (transform_.isIdentity()) {
        setBounds({bounds_.origin, frame.size});
    }
}

void View::setBounds(const Rect& bounds)
{
    if (bounds == bounds_) {
        return;
    }
    const bool resized = bounds.size != bounds_.size;
    noteAnimatableChange("bounds");
    bounds_ = bounds;
    if (resized) {
        setNeedsLayout();
        sizeDidChange();
    }
}

void View::setCenter(const Point& center)
{
    if (center == center_) {
        return;
    }
    noteAnimatableChange("center");
    center_ = center;
}

void View::setTransform(const AffineTransform& transform)
{
    noteAnimatableChange("transform");
    transform_ = transform;
}

void View::setAlpha(double alpha)
{
    noteAnimatableChange("alpha");
    alpha_ = std::clamp(alpha, 0.0, 1.0);
}

void View::setHidden(bool hidden)
{
    hidden_ = hidden;
}

void View::setBackgroundColor(const std::optional<Color>& color)
{
    noteAnimatableChange("backgroundColor");
    backgroundColor_ = color;
}

std::shared_ptr<View> View::viewWithTag(int tag)
{
    if (tag_ == tag) {
        return weak_from_this().lock();
    }
    for (const auto& subview : subviews_) {
        if (auto found = subview->viewWithTag(tag)) {
            return found;
        }
    }
    return nullptr;
}

void View::addSubview(const std::shared_ptr<View>& view)
{
    insertSubview(view, subviews_.size());
}

void View::insertSubview(const std::shared_ptr<View>& view, std::size_t index)
{
    if (!view || view.get() == this || isDescendantOf(*view)) {
        return;
    }
    view->moveTo(this, view, index);
}

void View::insertSubviewAbove(const std::shared_ptr<View>& view, const View& sibling)
{
    const auto position = std::find_if(subviews_.begin(), subviews_.end(),
                                       [&](const auto& subview) { return subview.get() == &sibling; });
    if (position == subviews_.end()) {
        addSubview(view);
        return;
    }
    std::size_t index = static_cast<std::size_t>(position - subviews_.begin()) + 1;
    if (view->superview_ == this) {
        const auto current = std::find(subviews_.begin(), subviews_.end(), view);
        if (current < position) {
            --index;
        }
    }
    insertSubview(view, index);
}

void View::bringSubviewToFront(const View& view)
{
    const auto position =
        std::find_if(subviews_.begin(), subviews_.end(), [&](const auto& subview) { return subview.get() == &view; });
    if (position == subviews_.end()) {
        return;
    }
    std::rotate(position, position + 1, subviews_.end());
}

void View::removeFromSuperview()
{
    if (!superview_) {
        return;
    }
    const auto self = shared_from_this();
    moveTo(nullptr, self, 0);
}

void View::moveTo(View* newSuperview, const std::shared_ptr<View>& self, std::size_t index)
{
    const auto oldWindow = window();
    const auto newWindow = newSuperview ? newSuperview->window() : nullptr;
    if (oldWindow && oldWindow != newWindow) {
        willLeaveWindow(*oldWindow);
    }
    if (View* old = superview_) {
        old->subviews_.erase(std::find(old->subviews_.begin(), old->subviews_.end(), self));
        old->setNeedsLayout();
    }
    superview_ = nullptr;
    if (newSuperview) {
        superview_ = newSuperview;
        auto& siblings = newSuperview->subviews_;
        siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(std::min(index, siblings.size())), self);
        newSuperview->subviewNeedsLayout_ = newSuperview->subviewNeedsLayout_ || layoutPending();
        newSuperview->setNeedsLayout();
    }
    didMoveToSuperview();
    if (oldWindow != newWindow) {
        notifyWindowChange();
    }
}

void View::willLeaveWindow(Window& window)
{
    if (auto responder = window.firstResponder(); responder && (responder.get() == this || responder->isDescendantOf(*this))) {
        responder->resign(true, true);
    }
    Animator::shared().removeAnimations(*this);
    for (const auto& subview : subviews_) {
        subview->willLeaveWindow(window);
    }
}

void View::notifyWindowChange()
{
    didMoveToWindow();
    for (const auto& subview : subviews_) {
        subview->notifyWindowChange();
    }
}

bool View::isDescendantOf(const View& ancestor) const
{
    for (const View* view = superview_; view; view = view->superview_) {
        if (view == &ancestor) {
            return true;
        }
    }
    return false;
}

std::shared_ptr<Window> View::window() const
{
    const View* top = this;
    while (top->superview_) {
        top = top->superview_;
    }
    const auto* window = dynamic_cast<const Window*>(top);
    if (!window) {
        return nullptr;
    }
    return std::const_pointer_cast<Window>(std::static_pointer_cast<const Window>(window->weak_from_this().lock()));
}

std::shared_ptr<View> View::hitTest(const Point& point)
{
    if (hidden_ || alpha_ < minimumHitAlpha || !userInteractionEnabled_ || !pointInside(point)) {
        return nullptr;
    }
    for (auto subview = subviews_.rbegin(); subview != subviews_.rend(); ++subview) {
        if (auto hit = (*subview)->hitTest((*subview)->pointFromSuperview(point))) {
            return hit;
        }
    }
    return weak_from_this().lock();
}

bool View::pointInside(const Point& point) const
{
    return bounds_.contains(point);
}

AffineTransform View::transformToSuperview() const
{
    const Point middle = boundsCenter(bounds_);
    if (transform_.isIdentity()) {
        return AffineTransform::translation(center_.x - middle.x, center_.y - middle.y);
    }
    return AffineTransform::translation(-middle.x, -middle.y)
        .concatenating(transform_)
        .concatenating(AffineTransform::translation(center_.x, center_.y));
}

AffineTransform View::transformToWindow() const
{
    AffineTransform result = transformToSuperview();
    for (const View* view = superview_; view; view = view->superview_) {
        result = result.concatenating(view->transformToSuperview());
    }
    return result;
}

Point View::pointFromSuperview(const Point& point) const
{
    if (transform_.isIdentity()) {
        const Point middle = boundsCenter(bounds_);
        return {point.x - center_.x + middle.x, point.y - center_.y + middle.y};
    }
    const auto inverse = transformToSuperview().inverted();
    return inverse ? inverse->apply(point) : Point{};
}

Point View::convertPointTo(const Point& point, const View* other) const
{
    const Point inWindow = transformToWindow().apply(point);
    return other ? other->convertPointFrom(inWindow, nullptr) : inWindow;
}

Point View::convertPointFrom(const Point& point, const View* other) const
{
    const Point inWindow = other ? other->transformToWindow().apply(point) : point;
    const auto inverse = transformToWindow().inverted();
    return inverse ? inverse->apply(inWindow) : Point{};
}

Rect View::convertRectTo(const Rect& rect, const View* other) const
{
    AffineTransform transform = transformToWindow();
    if (other) {
        transform = transform.concatenating(other->transformToWindow().inverted().value_or(AffineTransform{}));
    }
    return transform.apply(rect);
}

Rect View::convertRectFrom(const Rect& rect, const View* other) const
{
    AffineTransform transform = other ? other->transformToWindow() : AffineTransform{};
    transform = transform.concatenating(transformToWindow().inverted().value_or(AffineTransform{}));
    return transform.apply(rect);
}

void View::setNeedsLayout()
{
    needsLayout_ = true;
    markPathToWindow();
}

void View::markPathToWindow()
{
    View* top = this;
    for (View* ancestor = superview_; ancestor; ancestor = ancestor->superview_) {
        ancestor->subviewNeedsLayout_ = true;
        top = ancestor;
    }
    if (auto* window = dynamic_cast<Window*>(top)) {
        window->scheduleLayout();
    }
}

void View::layoutIfNeeded()
{
    if (needsLayout_) {
        needsLayout_ = false;
        const auto controller = viewController();
        if (controller) {
            controller->rootViewWillLayout();
        }
        layoutSubviews();
        if (controller) {
            controller->rootViewDidLayout();
        }
    }
    if (subviewNeedsLayout_) {
        layoutMarkedSubviews();
    }
}

// Views marked while this pass runs elsewhere in the window wait for the next pass.
void View::layoutMarkedSubviews()
{
    subviewNeedsLayout_ = false;
    std::vector<std::shared_ptr<View>> marked;
    for (const auto& subview : subviews_) {
        if (subview->layoutPending()) {
            marked.push_back(subview);
        }
    }
    for (const auto& subview : marked) {
        if (subview->superview_ == this) {
            subview->layoutIfNeeded();
        }
    }
}

Size View::sizeThatFits(const Size&) const
{
    return bounds_.size;
}

void View::sizeToFit()
{
    const Size fitting = sizeThatFits(bounds_.size);
    const Rect current = frame();
    setFrame({current.origin, fitting});
}

EdgeInsets View::safeAreaInsets() const
{
    const auto window = this->window();
    if (!window) {
        return {};
    }
    const EdgeInsets screen = Screen::main().safeAreaInsets();
    const Rect inWindow = convertRectTo(bounds_, nullptr);
    const Rect windowBounds = window->bounds();
    return {std::max(screen.top - inWindow.minY(), 0.0), std::max(screen.left - inWindow.minX(), 0.0),
            std::max(inWindow.maxY() - (windowBounds.maxY() - screen.bottom), 0.0),
            std::max(inWindow.maxX() - (windowBounds.maxX() - screen.right), 0.0)};
}

void View::addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer)
{
    if (!recognizer || recognizer->view() == this) {
        return;
    }
    if (auto* previous = recognizer->view()) {
        previous->removeGestureRecognizer(*recognizer);
    }
    recognizer->setView(this);
    recognizers_.push_back(recognizer);
}

void View::removeGestureRecognizer(const GestureRecognizer& recognizer)
{
    const auto position = std::find_if(recognizers_.begin(), recognizers_.end(),
                                       [&](const auto& candidate) { return candidate.get() == &recognizer; });
    if (position == recognizers_.end()) {
        return;
    }
    (*position)->setView(nullptr);
    recognizers_.erase(position);
}

bool View::gestureRecognizerShouldBegin(GestureRecognizer&)
{
    return true;
}

void View::addInteraction(const std::shared_ptr<Interaction>& interaction)
{
    if (!interaction) {
        return;
    }
    interactions_.push_back(interaction);
    interaction->moveToView(this);
}

void View::removeInteraction(const Interaction& interaction)
{
    const auto position = std::find_if(interactions_.begin(), interactions_.end(),
                                       [&](const auto& candidate) { return candidate.get() == &interaction; });
    if (position == interactions_.end()) {
        return;
    }
    const auto kept = *position;
    interactions_.erase(position);
    kept->moveToView(nullptr);
}

bool View::becomeFirstResponder()
{
    const auto window = this->window();
    if (!canBecomeFirstResponder() || !window || hidden_) {
        return false;
    }
    const auto current = window->firstResponder();
    if (current.get() == this) {
        return true;
    }
    if (current && !current->resign(false, false)) {
        return false;
    }
    window->setFirstResponder(shared_from_this());
    didBecomeFirstResponder();
    Keyboard::shared().show();
    return true;
}

bool View::resignFirstResponder()
{
    return !isFirstResponder() || resign(true, false);
}

bool View::resign(bool hideKeyboard, bool force)
{
    const auto window = this->window();
    if (!window || window->firstResponder().get() != this) {
        return true;
    }
    if (!force && !shouldResignFirstResponder()) {
        return false;
    }
    window->setFirstResponder(nullptr);
    didResignFirstResponder();
    if (hideKeyboard) {
        Keyboard::shared().hide();
    }
    return true;
}

bool View::isFirstResponder() const
{
    const auto window = this->window();
    return window && window->firstResponder().get() == this;
}

bool View::endEditing(bool force)
{
    const auto window = this->window();
    const auto responder = window ? window->firstResponder() : nullptr;
    if (!responder || (responder.get() != this && !responder->isDescendantOf(*this))) {
        return false;
    }
    return responder->resign(true, force);
}

void View::passTouchesUp(void (View::*handler)(const TouchSet&), const TouchSet& touches)
{
    if (superview_) {
        const auto keepAlive = superview();
        (superview_->*handler)(touches);
    }
}

void View::touchesBegan(const TouchSet& touches)
{
    passTouchesUp(&View::touchesBegan, touches);
}

void View::touchesMoved(const TouchSet& touches)
{
    passTouchesUp(&View::touchesMoved, touches);
}

void View::touchesEnded(const TouchSet& touches)
{
    passTouchesUp(&View::touchesEnded, touches);
}

void View::touchesCancelled(const TouchSet& touches)
{
    passTouchesUp(&View::touchesCancelled, touches);
}

void View::draw(graphics::DrawingContext&) const {}

void View::drawOverSubviews(graphics::DrawingContext&) const {}

void View::render(graphics::DrawingContext& context) const
{
    if (hidden_ || alpha_ <= 0) {
        return;
    }
    context.save();
    context.concat(transformToSuperview());
    renderContent(context);
    context.restore();
}

void View::renderContent(graphics::DrawingContext& context) const
{
    const bool layered = alpha_ < 1;
    if (layered) {
        context.beginTransparencyLayer();
    }
    context.save();
    if (layer_.masksToBounds()) {
        context.clip(bounds_, layer_.cornerRadius());
    }
    if (backgroundColor_) {
        context.fill(bounds_, *backgroundColor_, layer_.cornerRadius());
    }
    draw(context);
    for (const auto& subview : subviews_) {
        subview->render(context);
    }
    drawOverSubviews(context);
    context.strokeInside(bounds_, layer_.borderColor(), layer_.borderWidth(), layer_.cornerRadius());
    context.restore();
    if (layered) {
        context.endTransparencyLayer(alpha_);
    }
}

graphics::ImagePtr View::snapshotImage(double scale, bool opaque) const
{
    graphics::ImageContext image(bounds_.size, scale > 0 ? scale : Screen::main().scale(), opaque);
    image.context().translate(-bounds_.origin.x, -bounds_.origin.y);
    renderContent(image.context());
    return image.image();
}

bool View::writePng(const std::filesystem::path& path, double scale) const
{
    return snapshotImage(scale, true)->writePng(path);
}

void View::noteAnimatableChange(const char* property)
{
    Animator::shared().noteChange(*this, property);
}

} // namespace platform::ui
