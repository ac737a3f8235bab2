#pragma once

#include "graphics/AffineTransform.h"
#include "graphics/Color.h"
#include "graphics/DrawingContext.h"
#include "graphics/Geometry.h"
#include "graphics/Image.h"
#include "ui/Layer.h"
#include "ui/Touch.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

class GestureRecognizer;
class Interaction;
class ViewController;
class Window;

using graphics::AffineTransform;
using graphics::Color;
using graphics::EdgeInsets;
using graphics::Point;
using graphics::Rect;
using graphics::Size;

// A rectangle on screen with its own coordinate space, drawn content and subviews.
// Geometry follows the usual model: the frame is derived from the centre, the bounds
// size and the transform (about the centre); the bounds origin shifts the subviews
// (scroll offset). Views live in shared pointers; the superview link is weak.
class View : public std::enable_shared_from_this<View> {
public:
    View();
    explicit View(const Rect& frame);
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Geometry. With a non-identity transform the frame is the bounding box of the
    // transformed bounds; setting it then changes the centre only.
    Rect frame() const;
    void setFrame(const Rect& frame);
    const Rect& bounds() const { return bounds_; }
    void setBounds(const Rect& bounds);
    const Point& center() const { return center_; }
    void setCenter(const Point& center);
    const AffineTransform& transform() const { return transform_; }
    void setTransform(const AffineTransform& transform);

    // Look.
    double alpha() const { return alpha_; }
    void setAlpha(double alpha);
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    const std::optional<Color>& backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const std::optional<Color>& color);
    Layer& layer() { return layer_; }
    const Layer& layer() const { return layer_; }
    bool clipsToBounds() const { return layer_.masksToBounds(); }
    void setClipsToBounds(bool clips) { layer_.setMasksToBounds(clips); }
    bool isUserInteractionEnabled() const { return userInteractionEnabled_; }
    void setUserInteractionEnabled(bool enabled) { userInteractionEnabled_ = enabled; }
    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }
    // This view or the first descendant (depth first) with the tag.
    std::shared_ptr<View> viewWithTag(int tag);

    // Hierarchy.
    const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
    std::shared_ptr<View> superview() const { return superview_ ? superview_->weak_from_this().lock() : nullptr; }
    View* superviewPointer() const { return superview_; }
    void addSubview(const std::shared_ptr<View>& view);
    void insertSubview(const std::shared_ptr<View>& view, std::size_t index);
    void insertSubviewAbove(const std::shared_ptr<View>& view, const View& sibling);
    void bringSubviewToFront(const View& view);
    void removeFromSuperview();
    bool isDescendantOf(const View& ancestor) const;
    // The window this view is in, or null.
    std::shared_ptr<Window> window() const;
    virtual void didMoveToSuperview() {}
    virtual void didMoveToWindow() {}

    // Hit testing, in this view's coordinates. Hidden views, nearly transparent views
    // (alpha below 0.01) and views that take no touches answer null, as do points
    // outside the bounds.
    virtual std::shared_ptr<View> hitTest(const Point& point);
    virtual bool pointInside(const Point& point) const;

    // Conversion between this view and `other` (the window's space when null); works
    // across windows of the same screen and through transforms.
    Point convertPointTo(const Point& point, const View* other) const;
    Point convertPointFrom(const Point& point, const View* other) const;
    Rect convertRectTo(const Rect& rect, const View* other) const;
    Rect convertRectFrom(const Rect& rect, const View* other) const;

    // Layout pass. Marking a view also marks the path up to its window, and a pass visits
    // only marked views and the paths down to them.
    void setNeedsLayout();
    bool needsLayout() const { return needsLayout_; }
    void layoutIfNeeded();
    virtual void layoutSubviews() {}
    virtual Size sizeThatFits(const Size& size) const;
    void sizeToFit();
    // The window's safe-area insets that fall on this view (zero outside a window).
    EdgeInsets safeAreaInsets() const;

    // Gesture recognisers and interactions attached to this view.
    void addGestureRecognizer(const std::shared_ptr<GestureRecognizer>& recognizer);
    void removeGestureRecognizer(const GestureRecognizer& recognizer);
    const std::vector<std::shared_ptr<GestureRecognizer>>& gestureRecognizers() const { return recognizers_; }
    // Asked before one of this view's recognisers begins; subclasses may refuse.
    virtual bool gestureRecognizerShouldBegin(GestureRecognizer& recognizer);
    void addInteraction(const std::shared_ptr<Interaction>& interaction);
    void removeInteraction(const Interaction& interaction);
    const std::vector<std::shared_ptr<Interaction>>& interactions() const { return interactions_; }

    // Responder. Becoming first responder needs a window.
    virtual bool canBecomeFirstResponder() const { return false; }
    bool becomeFirstResponder();
    bool resignFirstResponder();
    // A responder may refuse to give up its status (a text view whose delegate says so).
    virtual bool shouldResignFirstResponder() { return true; }
    bool isFirstResponder() const;
    // Resigns the first responder when it lies in this view's subtree.
    bool endEditing(bool force = true);

    // Touches not taken by a subclass go up to the superview.
    virtual void touchesBegan(const TouchSet& touches);
    virtual void touchesMoved(const TouchSet& touches);
    virtual void touchesEnded(const TouchSet& touches);
    virtual void touchesCancelled(const TouchSet& touches);

    // Drawing. draw() paints this view's own content in its bounds; render() paints the
    // view and its subviews into the superview's coordinate space.
    virtual void draw(graphics::DrawingContext& context) const;
    // Paints over the subviews, in the bounds; nothing by default.
    virtual void drawOverSubviews(graphics::DrawingContext& context) const;
    void render(graphics::DrawingContext& context) const;
    // The view's bounds drawn into a new image (scale 0 = the main screen's scale).
    graphics::ImagePtr snapshotImage(double scale = 0, bool opaque = false) const;
    bool writePng(const std::filesystem::path& path, double scale = 0) const;

    // The controller whose root view this is, if any.
    std::shared_ptr<ViewController> viewController() const { return controller_.lock(); }
    void setViewController(const std::weak_ptr<ViewController>& controller) { controller_ = controller; }

    // Records a change of an animatable property with the animation being built, if any.
    void noteAnimatableChange(const char* property);

protected:
    // Called when a subclass's own responder status changes.
    virtual void didBecomeFirstResponder() {}
    virtual void didResignFirstResponder() {}
    // Called after the bounds size changed, once the new bounds are in force.
    virtual void sizeDidChange() {}

private:
    friend class Window;
    void moveTo(View* newSuperview, const std::shared_ptr<View>& self, std::size_t index);
    void willLeaveWindow(Window& window);
    void notifyWindowChange();
    bool resign(bool hideKeyboard, bool force);
    void renderContent(graphics::DrawingContext& context) const;
    AffineTransform transformToSuperview() const;
    AffineTransform transformToWindow() const;
    Point pointFromSuperview(const Point& point) const;
    void passTouchesUp(void (View::*handler)(const TouchSet&), const TouchSet& touches);
    bool layoutPending() const { return needsLayout_ || subviewNeedsLayout_; }
    void markPathToWindow();
    void layoutMarkedSubviews();

    Point center_;
    Rect bounds_;
    AffineTransform transform_;
    double alpha_ = 1;
    bool hidden_ = false;
    std::optional<Color> backgroundColor_;
    Layer layer_;
    bool userInteractionEnabled_ = true;
    int tag_ = 0;
    bool needsLayout_ = true;
    // Some view below this one is marked.
    bool subviewNeedsLayout_ = false;
    std::vector<std::shared_ptr<View>> subviews_;
    // The superview owns this view, and clears the link when it goes away.
    View* superview_ = nullptr;
    std::weak_ptr<ViewController> controller_;
    std::vector<std::shared_ptr<GestureRecognizer>> recognizers_;
    std::vector<std::shared_ptr<Interaction>> interactions_;
};

using ViewPtr = std::shared_ptr<View>;

} // namespace platform::ui
