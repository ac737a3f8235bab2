#include "ui/ViewController.h"

#include "foundation/Log.h"
#include "ui/ControllerTransition.h"
#include "ui/NavigationController.h"
#include "ui/Screen.h"
#include "ui/SeguePerformer.h"
#include "ui/Storyboard.h"
#include "ui/Window.h"

#include <algorithm>

namespace platform::ui {

namespace {

constexpr Size formSheetSize{540, 620};

// The views a presentation moves: the presented controller's and the one it covers.
std::vector<std::shared_ptr<View>> presentationViews(ViewController& presented, ViewController& context)
{
    std::vector<std::shared_ptr<View>> views{presented.view()};
    if (context.isViewLoaded()) {
        views.push_back(context.view());
    }
    return views;
}

} // namespace

ViewController::~ViewController()
{
    for (const auto& child : children_) {
        child->parent_ = nullptr;
    }
}

const std::shared_ptr<View>& ViewController::view()
{
    if (!view_) {
        loadView();
        if (!view_) {
            setView(std::make_shared<View>(Screen::main().bounds()));
        }
        viewDidLoad();
    }
    return view_;
}

void ViewController::setView(const std::shared_ptr<View>& view)
{
    view_ = view;
    if (view_) {
        view_->setViewController(weak_from_this());
    }
}

void ViewController::loadView()
{
    auto root = std::make_shared<View>(Screen::main().bounds());
    root->setBackgroundColor(Color::white());
    setView(root);
}

TraitCollection ViewController::traitCollection() const
{
    return Screen::main().traitCollection();
}

std::shared_ptr<ViewController> ViewController::parent() const
{
    return parent_ ? parent_->weak_from_this().lock() : nullptr;
}

void ViewController::addChild(const std::shared_ptr<ViewController>& child)
{
    if (!child || child->parent_ == this) {
        return;
    }
    child->removeFromParent();
    child->willMoveToParent(this);
    children_.push_back(child);
    child->parent_ = this;
    child->didMoveToParent(this);
}

void ViewController::removeFromParent()
{
    ViewController* parent = parent_;
    if (!parent) {
        return;
    }
    const auto self = shared_from_this();
    willMoveToParent(nullptr);
    auto& siblings = parent->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
    parent_ = nullptr;
    didMoveToParent(nullptr);
}

std::shared_ptr<NavigationController> ViewController::navigationController() const
{
    for (ViewController* controller = parent_; controller; controller = controller->parent_) {
        if (auto* navigation = dynamic_cast<NavigationController*>(controller)) {
            return std::static_pointer_cast<NavigationController>(navigation->weak_from_this().lock());
        }
    }
    return nullptr;
}

ViewController& ViewController::presentationContext()
{
    ViewController* context = this;
    while (context->parent_) {
        context = context->parent_;
    }
    return *context;
}

bool ViewController::isInWindow() const
{
    return view_ && view_->window();
}

Rect ViewController::frameInWindow(const Rect& windowBounds) const
{
    const bool sheet = presentationStyle_ == ModalPresentationStyle::formSheet && !presenting_.expired() &&
                       Screen::main().traitCollection().isRegularByRegular();
    if (!sheet) {
        return windowBounds;
    }
    return {{windowBounds.midX() - formSheetSize.width / 2, windowBounds.midY() - formSheetSize.height / 2},
            formSheetSize};
}

void ViewController::present(const std::shared_ptr<ViewController>& controller, bool animated, Completion completion)
{
    if (!controller || presented_ || controller->presentingViewController()) {
        Log::write("ui", "a controller is already presented; the presentation is ignored");
        return;
    }
    presented_ = controller;
    controller->presenting_ = weak_from_this();
    ViewController& context = presentationContext();
    // A controller covered inside its container (a navigation stack) presents over the
    // container, as the container's screen is what the user sees.
    const auto window = context.isInWindow() ? context.view_->window() : nullptr;
    const bool covers = controller->presentationStyle_ == ModalPresentationStyle::fullScreen;
    if (window) {
        const auto& presentedView = controller->view();
        presentedView->setFrame(controller->frameInWindow(window->bounds()));
        window->addSubview(presentedView);
        presentedView->layoutIfNeeded();
        if (covers) {
            context.beginAppearance(false, animated);
        }
        controller->beginAppearance(true, animated);
    }
    const auto contextAlive = context.weak_from_this();
    const auto moving = window ? presentationViews(*controller, context) : std::vector<std::shared_ptr<View>>{};
    ControllerTransition::run(animated, moving, [controller, window, covers, contextAlive, animated, completion] {
        if (window) {
            controller->endAppearance(animated);
            if (const auto covered = contextAlive.lock(); covered && covers) {
                covered->endAppearance(animated);
            }
        }
        if (completion) {
            completion();
        }
    });
}

void ViewController::dismiss(bool animated, Completion completion)
{
    if (!presented_) {
        if (const auto presenter = presentingViewController()) {
            presenter->dismiss(animated, std::move(completion));
        } else if (completion) {
            completion();
        }
        return;
    }
    const auto controller = presented_;
    if (controller->presented_) {
        controller->dismiss(false);
    }
    ViewController& context = presentationContext();
    const bool inWindow = controller->isInWindow();
    const bool covers = controller->presentationStyle_ == ModalPresentationStyle::fullScreen;
    if (inWindow) {
        controller->beginAppearance(false, animated);
        if (covers) {
            context.beginAppearance(true, animated);
        }
    }
    const auto self = shared_from_this();
    const auto contextAlive = context.weak_from_this();
    const auto moving = inWindow ? presentationViews(*controller, context) : std::vector<std::shared_ptr<View>>{};
    const auto finish = [self, controller, inWindow, covers, contextAlive, animated, completion] {
        if (self->presented_ == controller) {
            self->presented_.reset();
        }
        controller->presenting_.reset();
        if (inWindow) {
            controller->view()->removeFromSuperview();
            controller->endAppearance(animated);
            if (const auto uncovered = contextAlive.lock(); uncovered && covers) {
                uncovered->endAppearance(animated);
            }
        }
        if (completion) {
            completion();
        }
    };
    ControllerTransition::run(animated, moving, finish);
}

void ViewController::setScene(const std::shared_ptr<Storyboard>& storyboard, const std::string& identifier)
{
    storyboard_ = storyboard;
    sceneIdentifier_ = identifier;
}

bool ViewController::performSegue(const std::string& identifier, const std::shared_ptr<void>& sender)
{
    return SeguePerformer::perform(*this, identifier, sender);
}

void ViewController::registerUnwindAction(const std::string& name, UnwindAction action)
{
    unwindActions_[name] = std::move(action);
}

bool ViewController::canPerformUnwindAction(const std::string& name) const
{
    return unwindActions_.count(name) > 0;
}

void ViewController::performUnwindAction(const std::string& name, StoryboardSegue& segue)
{
    const auto found = unwindActions_.find(name);
    if (found != unwindActions_.end()) {
        const auto action = found->second;
        action(segue);
    }
}

void ViewController::beginAppearance(bool appearing, bool animated)
{
    const Appearance target = appearing ? Appearance::appearing : Appearance::disappearing;
    const bool already = appearing ? (appearance_ == Appearance::appeared || appearance_ == Appearance::appearing)
                                   : (appearance_ == Appearance::disappeared || appearance_ == Appearance::disappearing);
    if (already) {
        return;
    }
    appearance_ = target;
    if (appearing) {
        view();
        viewWillAppear(animated);
    } else {
        viewWillDisappear(animated);
    }
    forwardAppearance(true, appearing, animated);
}

void ViewController::endAppearance(bool animated)
{
    if (appearance_ == Appearance::appearing) {
        appearance_ = Appearance::appeared;
        viewDidAppear(animated);
        forwardAppearance(false, true, animated);
    } else if (appearance_ == Appearance::disappearing) {
        appearance_ = Appearance::disappeared;
        viewDidDisappear(animated);
        forwardAppearance(false, false, animated);
    }
}

void ViewController::forwardAppearance(bool begin, bool appearing, bool animated)
{
    const auto children = children_;
    for (const auto& child : children) {
        if (!child->isViewLoaded() || !view_ || !child->view()->isDescendantOf(*view_)) {
            continue;
        }
        if (begin) {
            child->beginAppearance(appearing, animated);
        } else {
            child->endAppearance(animated);
        }
    }
}

void ViewController::rootViewWillLayout()
{
    viewWillLayoutSubviews();
}

void ViewController::rootViewDidLayout()
{
    viewDidLayoutSubviews();
}

} // namespace platform::ui
