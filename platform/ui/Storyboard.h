#pragma once

#include "ui/StoryboardSegue.h"
#include "ui/ViewController.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace platform::ui {

// A named registry of scenes (identifier -> factory of the scene's controller) and of the
// segues leaving each scene. The code that defines a storyboard registers its definition
// once under the storyboard's name (as a bundle would hold its file); named() builds a
// fresh storyboard from it, as loading the file would.
class Storyboard : public std::enable_shared_from_this<Storyboard> {
public:
    using SceneFactory = std::function<std::shared_ptr<ViewController>()>;
    struct SegueDefinition {
        SegueKind kind;
        // The destination scene; for an unwind, the name of the unwind action.
        std::string target;
    };

    explicit Storyboard(std::string name) : name_(std::move(name)) {}

    using Definition = std::function<void(Storyboard&)>;

    // A storyboard built from the definition registered under the name, or null.
    static std::shared_ptr<Storyboard> named(const std::string& name);
    // Registers (or replaces) the definition of a storyboard.
    static void registerDefinition(const std::string& name, Definition definition);
    // Registers (or replaces) one part of a storyboard's definition, so that libraries
    // can each add their scenes to one storyboard. named() applies the definition, then
    // the parts in the order of their names.
    static void registerDefinitionPart(const std::string& name, const std::string& part, Definition definition);

    const std::string& name() const { return name_; }
    void addScene(const std::string& identifier, SceneFactory factory);
    // A scene that is a navigation controller holding a new controller of `rootScene`.
    // Only for storyboards made by named().
    void addNavigationScene(const std::string& identifier, const std::string& rootScene);
    void setInitialScene(const std::string& identifier) { initialScene_ = identifier; }
    void addSegue(const std::string& sourceScene, const std::string& identifier, SegueKind kind,
                  const std::string& destinationScene);
    void addUnwindSegue(const std::string& sourceScene, const std::string& identifier, const std::string& action);

    // A new controller of the scene, or null for an unknown identifier.
    std::shared_ptr<ViewController> instantiateViewController(const std::string& identifier);
    std::shared_ptr<ViewController> instantiateInitialViewController();
    std::optional<SegueDefinition> segue(const std::string& sourceScene, const std::string& identifier) const;

private:
    std::string name_;
    std::string initialScene_;
    std::map<std::string, SceneFactory> scenes_;
    std::map<std::pair<std::string, std::string>, SegueDefinition> segues_;
};

// Registers a storyboard definition from a static object in the defining source file.
struct StoryboardRegistration {
    StoryboardRegistration(const std::string& name, Storyboard::Definition definition)
    {
        Storyboard::registerDefinition(name, std::move(definition));
    }
};

} // namespace platform::ui
