#pragma once

#include <string>

typedef struct _PangoFontDescription PangoFontDescription;

namespace platform::graphics {

// A font asked for by name and point size. A name the system does not know (for example
// "Ubuntu-Light" or the icon font "ios-vlt" when they are not installed) draws in the
// plain system font; callers that must know ask isFontAvailable first.
class Font {
public:
    Font() = default;
    Font(std::string name, double size);

    static Font systemFont(double size);
    static Font boldSystemFont(double size);
    // Whether a font of this name is installed: a family name ("DejaVu Sans"), a family
    // and style joined by a hyphen ("Ubuntu-Light"), or a family drawn by a glyph painter
    // (PaintedFonts).
    static bool isFontAvailable(const std::string& name);

    const std::string& name() const { return name_; }
    double size() const { return size_; }
    bool isBold() const { return bold_; }
    Font withSize(double size) const;
    bool operator==(const Font&) const = default;

    // A new pango description of the font as it will draw (fallback applied); the
    // caller frees it with pango_font_description_free.
    PangoFontDescription* makeDescription() const;

private:
    std::string name_ = "System";
    double size_ = 17;
    bool bold_ = false;
};

} // namespace platform::graphics
