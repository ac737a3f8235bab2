#include "ui/Storyboard.h"

#include "ui/NavigationController.h"

#include <mutex>
#include <vector>

namespace platform::ui {

namespace {

// The definitions are the toolkit's stand-in for storyboard files: registered while the
// program starts (or by a test) and read afterwards.
struct DefinitionRegistry {
    std::mutex mutex;
    std::map<std::string, Storyboard::Definition> definitions;
    std::map<std::string, std::map<std::string, Storyboard::Definition>> parts;
};

DefinitionRegistry& registry()
{
    static DefinitionRegistry instance;
    return instance;
}

} // namespace

std::shared_ptr<Storyboard> Storyboard::named(const std::string& name)
{
    std::vector<Definition> steps;
    {
        std::lock_guard lock(registry().mutex);
        const auto found = registry().definitions.find(name);
        if (found != registry().definitions.end()) {
            steps.push_back(found->second);
        }
        const auto parts = registry().parts.find(name);
        if (parts != registry().parts.end()) {
            for (const auto& [part, definition] : parts->second) {
                steps.push_back(definition);
            }
        }
    }
    if (steps.empty()) {
        return nullptr;
    }
    auto storyboard = std::make_shared<Storyboard>(name);
    for (const auto& step : steps) {
        step(*storyboard);
    }
    return storyboard;
}

void Storyboard::registerDefinition(const std::string& name, Definition definition)
{
    std::lock_guard lock(registry().mutex);
    registry().definitions[name] = std::move(definition);
}

void Storyboard::registerDefinitionPart(const std::string& name, const std::string& part, Definition definition)
{
    std::lock_guard lock(registry().mutex);
    registry().parts[name][part] = std::move(definition);
}

void Storyboard::addScene(const std::string& identifier, SceneFactory factory)
{
    scenes_[identifier] = std::move(factory);
}

void Storyboard::addNavigationScene(const std::string& identifier, const std::string& rootScene)
{
    addScene(identifier, [storyboard = weak_from_this(), rootScene]() -> std::shared_ptr<ViewController> {
        const auto self = storyboard.lock();
        const auto root = self ? self->instantiateViewController(rootScene) : nullptr;
        return root ? std::make_shared<NavigationController>(root) : std::make_shared<NavigationController>();
    });
}

void Storyboard::addSegue(const std::string& sourceScene, const std::string& identifier, SegueKind kind,
                          const std::string& destinationScene)
{
    segues_[{sourceScene, identifier}] = {kind, destinationScene};
}

void Storyboard::addUnwindSegue(const std::string& sourceScene, const std::string& identifier,
                                const std::string& action)
{
    segues_[{sourceScene, identifier}] = {SegueKind::unwind, action};
}

std::shared_ptr<ViewController> Storyboard::instantiateViewController(const std::string& identifier)
{
    const auto found = scenes_.find(identifier);
    if (found == scenes_.end()) {
        return nullptr;
    }
    auto controller = found->second();
    if (controller) {
        controller->setScene(shared_from_this(), identifier);
    }
    return controller;
}

std::shared_ptr<ViewController> Storyboard::instantiateInitialViewController()
{
    return initialScene_.empty() ? nullptr : instantiateViewController(initialScene_);
}

std::optional<Storyboard::SegueDefinition> Storyboard::segue(const std::string& sourceScene,
                                                             const std::string& identifier) const
{
    const auto found = segues_.find({sourceScene, identifier});
    if (found == segues_.end()) {
        return std::nullopt;
    }
    return found->second;
}

} // namespace platform::ui
