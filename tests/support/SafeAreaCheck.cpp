#include "support/SafeAreaCheck.h"

#include "ui/Control.h"
#include "ui/Label.h"
#include "ui/TextView.h"
#include "ui/Window.h"

#include <sstream>

namespace testing_support {

namespace {

using platform::graphics::Rect;
using platform::ui::View;

// Frames computed through transforms and fractions of a point are allowed this much.
constexpr double tolerance = 0.5;

std::string describe(const View& view, const Rect& frame)
{
    std::ostringstream line;
    if (const auto* label = dynamic_cast<const platform::ui::Label*>(&view)) {
        line << "label \"" << label->text().value_or("") << "\"";
    } else if (const auto* text = dynamic_cast<const platform::ui::TextView*>(&view)) {
        line << "text view \"" << text->text() << "\"";
    } else {
        line << "control " << typeid(view).name();
    }
    line << " at (" << frame.minX() << ", " << frame.minY() << ", " << frame.width() << ", " << frame.height() << ")";
    return line.str();
}

bool isChecked(const View& view)
{
    return dynamic_cast<const platform::ui::Control*>(&view) || dynamic_cast<const platform::ui::Label*>(&view) ||
           dynamic_cast<const platform::ui::TextView*>(&view);
}

class SafeAreaWalk {
public:
    explicit SafeAreaWalk(const Rect& safeArea) : safeArea_(safeArea.insetBy(-tolerance, -tolerance)) {}

    void visit(const View& view, const Rect& clip)
    {
        if (view.isHidden() || view.alpha() < 0.01) {
            return;
        }
        const Rect frame = view.convertRectTo(view.bounds(), nullptr);
        const Rect visible = frame.intersection(clip);
        if (isChecked(view) && !visible.isEmpty() && !safeArea_.contains(visible)) {
            outside_.push_back(describe(view, frame));
        }
        const Rect inner = view.clipsToBounds() ? visible : clip;
        for (const auto& subview : view.subviews()) {
            visit(*subview, inner);
        }
    }

    const std::vector<std::string>& outside() const { return outside_; }

private:
    Rect safeArea_;
    std::vector<std::string> outside_;
};

} // namespace

std::vector<std::string> controlsOutsideSafeArea(const platform::ui::View& view)
{
    const auto window = view.window();
    if (!window) {
        return {};
    }
    SafeAreaWalk walk(window->bounds().inset(window->safeAreaInsets()));
    walk.visit(view, window->bounds());
    return walk.outside();
}

} // namespace testing_support
