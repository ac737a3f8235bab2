#pragma once

#include <memory>
#include <string>

namespace platform::ui {

class ViewController;

enum class SegueKind { show, presentModally, embed, unwind };

// One performance of a segue: its identifier, where it starts and where it leads (for an
// unwind, the controller that handles the unwind action).
class StoryboardSegue {
public:
    StoryboardSegue(std::string identifier, SegueKind kind, std::shared_ptr<ViewController> source,
                    std::shared_ptr<ViewController> destination)
        : identifier_(std::move(identifier))
        , kind_(kind)
        , source_(std::move(source))
        , destination_(std::move(destination))
    {
    }

    const std::string& identifier() const { return identifier_; }
    SegueKind kind() const { return kind_; }
    const std::shared_ptr<ViewController>& source() const { return source_; }
    const std::shared_ptr<ViewController>& destination() const { return destination_; }

private:
    std::string identifier_;
    SegueKind kind_;
    std::shared_ptr<ViewController> source_;
    std::shared_ptr<ViewController> destination_;
};

} // namespace platform::ui
