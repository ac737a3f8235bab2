#pragma once

#include <string_view>

namespace platform::graphics {

// The style every HTML page starts from before its own, as a browser's user-agent style
// sheet: which elements are blocks, tables and list items, the sizes of headings, the
// margins of paragraphs and lists, the faces of emphasis and code.
class HtmlStyleSheet {
public:
    static std::string_view userAgent();
};

} // namespace platform::graphics
