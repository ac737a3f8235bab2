#include "graphics/PaintedFonts.h"

#include "foundation/Text.h"

#include <map>
#include <mutex>

namespace platform::graphics {

namespace {

struct PainterRegistry {
    std::mutex mutex;
    std::map<std::string, std::shared_ptr<const GlyphPainter>> painters;
};

PainterRegistry& registry()
{
    static PainterRegistry instance;
    return instance;
}

} // namespace

void PaintedFonts::registerFamily(const std::string& family, std::shared_ptr<const GlyphPainter> painter)
{
    std::lock_guard lock(registry().mutex);
    registry().painters[text::toLower(family)] = std::move(painter);
}

std::shared_ptr<const GlyphPainter> PaintedFonts::painterFor(const std::string& family)
{
    std::lock_guard lock(registry().mutex);
    const auto found = registry().painters.find(text::toLower(family));
    return found == registry().painters.end() ? nullptr : found->second;
}

} // namespace platform::graphics
