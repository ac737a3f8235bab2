#pragma once

#include "graphics/Color.h"
#include "graphics/Font.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::graphics {

// Text made of runs, each with its own font and colour (a run without them uses the
// drawing view's font and colour).
class AttributedString {
public:
    struct Run {
        std::string text;
        std::optional<Font> font;
        std::optional<Color> color;
        bool operator==(const Run&) const = default;
    };

    AttributedString() = default;
    explicit AttributedString(std::string text) { append(std::move(text)); }

    AttributedString& append(std::string text, std::optional<Font> font = std::nullopt,
                             std::optional<Color> color = std::nullopt);

    const std::vector<Run>& runs() const { return runs_; }
    std::string string() const;
    bool empty() const { return runs_.empty(); }
    bool operator==(const AttributedString&) const = default;

private:
    std::vector<Run> runs_;
};

} // namespace platform::graphics
