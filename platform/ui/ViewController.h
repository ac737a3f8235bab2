#pragma once

#include "ui/Orientation.h"
#include "ui/TraitCollection.h"
#include "ui/View.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::ui {

class NavigationController;
class Storyboard;
class StoryboardSegue;

enum class ModalPresentationStyle { fullScreen, formSheet, overFullScreen };

// Owns one screen's view, made on first use (loadView, then viewDidLoad), and goes
// through the appearance life cycle as it comes on and leaves the screen. Controllers
// live in shared pointers; parent and presenting links are weak.
class ViewController : public std::enable_shared_from_this<ViewController> {
public:
    using Completion = std::function<void()>;
    using UnwindAction = std::function<void(StoryboardSegue&)>;
    static constexpr double transitionDuration = 0.3;

    ViewController() = default;
    virtual ~ViewController();
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The view, loading it when needed.
    const std::shared_ptr<View>& view();
    bool isViewLoaded() const { return view_ != nullptr; }
    // For loadView(): the view this controller owns.
    void setView(const std::shared_ptr<View>& view);
    void loadViewIfNeeded() { view(); }
    const std::string& title() const { return title_; }
    void setTitle(const std::string& title) { title_ = title; }

    // Life cycle hooks.
    virtual void loadView();
    virtual void viewDidLoad() {}
    virtual void viewWillAppear(bool animated) { (void)animated; }
    virtual void viewDidAppear(bool animated) { (void)animated; }
    virtual void viewWillDisappear(bool animated) { (void)animated; }
    virtual void viewDidDisappear(bool animated) { (void)animated; }
    virtual void viewWillLayoutSubviews() {}
    virtual void viewDidLayoutSubviews() {}
    bool isVisible() const { return appearance_ == Appearance::appeared; }

    // Appearance and orientation preferences.
    virtual StatusBarStyle preferredStatusBarStyle() const { return StatusBarStyle::defaultStyle; }
    virtual OrientationMask supportedInterfaceOrientations() const { return OrientationMask::allButUpsideDown; }
    TraitCollection traitCollection() const;

    // Children.
    void addChild(const std::shared_ptr<ViewController>& child);
    void removeFromParent();
    const std::vector<std::shared_ptr<ViewController>>& children() const { return children_; }
    std::shared_ptr<ViewController> parent() const;
    // Both parent hooks run inside addChild() and removeFromParent().
    virtual void willMoveToParent(ViewController* parent) { (void)parent; }
    virtual void didMoveToParent(ViewController* parent) { (void)parent; }
    // The nearest navigation controller among this controller and its ancestors.
    std::shared_ptr<NavigationController> navigationController() const;

    // Modal presentation.
    void present(const std::shared_ptr<ViewController>& controller, bool animated, Completion completion = nullptr);
    // Dismisses what this controller presented, or, when it presented nothing, itself.
    void dismiss(bool animated, Completion completion = nullptr);
    std::shared_ptr<ViewController> presentedViewController() const { return presented_; }
    std::shared_ptr<ViewController> presentingViewController() const { return presenting_.lock(); }
    // Where this controller's view goes in a window of the given bounds.
    Rect frameInWindow(const Rect& windowBounds) const;
    ModalPresentationStyle modalPresentationStyle() const { return presentationStyle_; }
    void setModalPresentationStyle(ModalPresentationStyle style) { presentationStyle_ = style; }

    // Storyboard scenes and segues.
    std::shared_ptr<Storyboard> storyboard() const { return storyboard_; }
    const std::string& sceneIdentifier() const { return sceneIdentifier_; }
    void setScene(const std::shared_ptr<Storyboard>& storyboard, const std::string& identifier);
    // Performs a segue of this controller's scene; false when the scene has no such segue.
    bool performSegue(const std::string& identifier, const std::shared_ptr<void>& sender);
    virtual void prepareForSegue(StoryboardSegue& segue, const std::shared_ptr<void>& sender)
    {
        (void)segue;
        (void)sender;
    }
    // Unwind actions this controller handles, by name.
    void registerUnwindAction(const std::string& name, UnwindAction action);
    bool canPerformUnwindAction(const std::string& name) const;
    void performUnwindAction(const std::string& name, StoryboardSegue& segue);

    // Appearance transitions, driven by windows and containers.
    void beginAppearance(bool appearing, bool animated);
    void endAppearance(bool animated);
    // Called by the root view after it laid out its subviews.
    void rootViewDidLayout();
    void rootViewWillLayout();

private:
    enum class Appearance { disappeared, appearing, appeared, disappearing };
    ViewController& presentationContext();
    bool isInWindow() const;
    void forwardAppearance(bool begin, bool appearing, bool animated);

    std::shared_ptr<View> view_;
    std::string title_;
    Appearance appearance_ = Appearance::disappeared;
    std::vector<std::shared_ptr<ViewController>> children_;
    // The parent owns its children and clears this link when it goes away.
    ViewController* parent_ = nullptr;
    std::shared_ptr<ViewController> presented_;
    std::weak_ptr<ViewController> presenting_;
    ModalPresentationStyle presentationStyle_ = ModalPresentationStyle::fullScreen;
    std::shared_ptr<Storyboard> storyboard_;
    std::string sceneIdentifier_;
    std::map<std::string, UnwindAction> unwindActions_;

    friend class NavigationController;
    friend class SeguePerformer;
};

using ViewControllerPtr = std::shared_ptr<ViewController>;

} // namespace platform::ui
