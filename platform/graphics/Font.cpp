#include "graphics/Font.h"

#include "graphics/PaintedFonts.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

namespace platform::graphics {

namespace {

constexpr const char* fallbackFamily = "Sans";
constexpr const char* systemName = "System";

std::string lowercase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char character) { return static_cast<char>(std::tolower(character)); });
    return text;
}

// The installed families never change while the process runs, so they are read once.
const std::set<std::string>& installedFamilies()
{
    static const std::set<std::string> families = [] {
        std::set<std::string> names;
        PangoFontFamily** list = nullptr;
        int count = 0;
        pango_font_map_list_families(pango_cairo_font_map_get_default(), &list, &count);
        for (int i = 0; i < count; ++i) {
            names.insert(lowercase(pango_font_family_get_name(list[i])));
        }
        g_free(list);
        return names;
    }();
    return families;
}

struct ResolvedFont {
    std::string family;
    std::string style;
};

std::optional<ResolvedFont> resolve(const std::string& name)
{
    const auto& families = installedFamilies();
    if (families.count(lowercase(name))) {
        return ResolvedFont{name, ""};
    }
    const auto hyphen = name.rfind('-');
    if (hyphen != std::string::npos && families.count(lowercase(name.substr(0, hyphen)))) {
        return ResolvedFont{name.substr(0, hyphen), name.substr(hyphen + 1)};
    }
    return std::nullopt;
}

} // namespace

Font::Font(std::string name, double size) : name_(std::move(name)), size_(size) {}

Font Font::systemFont(double size)
{
    return Font(systemName, size);
}

Font Font::boldSystemFont(double size)
{
    Font font(systemName, size);
    font.bold_ = true;
    return font;
}

bool Font::isFontAvailable(const std::string& name)
{
    return resolve(name).has_value() || PaintedFonts::painterFor(name) != nullptr;
}

Font Font::withSize(double size) const
{
    Font font = *this;
    font.size_ = size;
    return font;
}

PangoFontDescription* Font::makeDescription() const
{
    const auto resolved = name_ == systemName ? std::nullopt : resolve(name_);
    const std::string description = resolved ? resolved->family + " " + resolved->style : std::string(fallbackFamily);
    PangoFontDescription* font = pango_font_description_from_string(description.c_str());
    if (!resolved) {
        pango_font_description_set_family(font, fallbackFamily);
    }
    if (bold_) {
        pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    }
    pango_font_description_set_absolute_size(font, size_ * PANGO_SCALE);
    return font;
}

} // namespace platform::graphics
