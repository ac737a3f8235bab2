#include "ui/SeguePerformer.h"

#include "foundation/Log.h"
#include "ui/NavigationController.h"
#include "ui/Storyboard.h"

#include <algorithm>
#include <iterator>

namespace platform::ui {

bool SeguePerformer::perform(ViewController& source, const std::string& identifier,
                             const std::shared_ptr<void>& sender)
{
    const auto storyboard = source.storyboard();
    const auto definition = storyboard ? storyboard->segue(source.sceneIdentifier(), identifier) : std::nullopt;
    if (!definition) {
        Log::write("ui", "no segue named " + identifier + " leaves scene " + source.sceneIdentifier());
        return false;
    }
    if (definition->kind == SegueKind::unwind) {
        return unwind(source, identifier, definition->target, sender);
    }
    const auto destination = storyboard->instantiateViewController(definition->target);
    if (!destination) {
        Log::write("ui", "segue " + identifier + " leads to the unknown scene " + definition->target);
        return false;
    }
    StoryboardSegue segue(identifier, definition->kind, source.shared_from_this(), destination);
    source.prepareForSegue(segue, sender);
    show(segue);
    return true;
}

void SeguePerformer::show(StoryboardSegue& segue)
{
    ViewController& source = *segue.source();
    const auto& destination = segue.destination();
    switch (segue.kind()) {
    case SegueKind::show:
        if (const auto navigation = source.navigationController()) {
            navigation->pushViewController(destination, true);
            return;
        }
        source.present(destination, true);
        return;
    case SegueKind::presentModally:
        source.present(destination, true);
        return;
    case SegueKind::embed: {
        source.addChild(destination);
        const auto& container = source.view();
        destination->view()->setFrame(container->bounds());
        container->addSubview(destination->view());
        if (source.isVisible()) {
            destination->beginAppearance(true, false);
            destination->endAppearance(false);
        }
        return;
    }
    case SegueKind::unwind:
        return;
    }
}

bool SeguePerformer::unwind(ViewController& source, const std::string& identifier, const std::string& action,
                            const std::shared_ptr<void>& sender)
{
    const auto target = findUnwindTarget(source, action);
    if (!target) {
        Log::write("ui", "no controller handles the unwind action " + action);
        return false;
    }
    StoryboardSegue segue(identifier, SegueKind::unwind, source.shared_from_this(), target);
    source.prepareForSegue(segue, sender);
    target->performUnwindAction(action, segue);
    dismissPresentationsAbove(source, *target);
    if (const auto navigation = std::dynamic_pointer_cast<NavigationController>(target->parent())) {
        navigation->popToViewController(*target, true);
    }
    return true;
}

void SeguePerformer::dismissPresentationsAbove(ViewController& source, ViewController& target)
{
    const ViewController* targetContext = &target.presentationContext();
    for (ViewController* current = &source; current;) {
        const auto presenter = current->presentationContext().presentingViewController();
        if (!presenter) {
            return;
        }
        if (&presenter->presentationContext() == targetContext) {
            presenter->dismiss(true);
            return;
        }
        current = presenter.get();
    }
}

std::shared_ptr<ViewController> SeguePerformer::findUnwindTarget(ViewController& source, const std::string& action)
{
    ViewController* current = &source;
    while (current) {
        if (auto* navigation = dynamic_cast<NavigationController*>(current->parent_)) {
            const auto& stack = navigation->viewControllers();
            const auto position = std::find_if(stack.begin(), stack.end(),
                                               [&](const auto& controller) { return controller.get() == current; });
            for (auto below = std::make_reverse_iterator(position); below != stack.rend(); ++below) {
                if ((*below)->canPerformUnwindAction(action)) {
                    return *below;
                }
            }
        }
        if (current->parent_) {
            current = current->parent_;
            if (current->canPerformUnwindAction(action)) {
                return current->shared_from_this();
            }
            continue;
        }
        const auto presenting = current->presentingViewController();
        if (!presenting) {
            return nullptr;
        }
        if (presenting->canPerformUnwindAction(action)) {
            return presenting;
        }
        current = presenting.get();
    }
    return nullptr;
}

} // namespace platform::ui
