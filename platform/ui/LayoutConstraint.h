#pragma once

#include <memory>
#include <string>

namespace platform::ui {

class View;

// A named layout value that a scene's layout code reads (there is no solver): changing
// the constant asks the view it lays out for a new layout pass.
class LayoutConstraint {
public:
    LayoutConstraint(std::string identifier, double constant, const std::shared_ptr<View>& view = nullptr);

    const std::string& identifier() const { return identifier_; }
    double constant() const { return constant_; }
    void setConstant(double constant);
    bool isActive() const { return active_; }
    void setActive(bool active);
    void setView(const std::shared_ptr<View>& view) { view_ = view; }

private:
    void invalidate() const;

    std::string identifier_;
    double constant_;
    bool active_ = true;
    std::weak_ptr<View> view_;
};

using LayoutConstraintPtr = std::shared_ptr<LayoutConstraint>;

} // namespace platform::ui
