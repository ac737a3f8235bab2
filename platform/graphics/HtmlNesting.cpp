#include "graphics/HtmlNesting.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace platform::graphics {
namespace {

constexpr std::array<std::string_view, 34> uncountedTags = {
    "area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta", "param", "source", "track", "wbr",
    "p", "li", "dt", "dd", "tr", "td", "th", "option", "optgroup", "thead", "tbody", "tfoot", "colgroup", "caption",
    "rt", "rp", "html", "head", "body", "image",
};
constexpr std::array<std::string_view, 9> rawTextTags = {
    "script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes", "plaintext",
};

bool isLetter(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

std::string asciiLower(std::string_view name)
{
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

// Past the end tag of a raw text element, or the end of the page when it has none.
std::size_t skipRawText(std::string_view html, std::size_t position, std::string_view name)
{
    while ((position = html.find("</", position)) != std::string_view::npos) {
        position += 2;
        if (asciiLower(html.substr(position, name.size())) == name)
            return position + name.size();
    }
    return html.size();
}

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

int HtmlNesting::depth(std::string_view html)
{
    int depth = 0;
    int deepest = 0;
    std::size_t position = 0;
    while ((position = html.find('<', position)) != std::string_view::npos) {
        const std::string_view rest = html.substr(position);
        if (rest.starts_with("<!--")) {
            position = html.find("-->", position + 4);
            continue;
        }
        const bool closing = rest.starts_with("</");
        const std::size_t nameStart = position + (closing ? 2 : 1);
        if (nameStart >= html.size() || !isLetter(html[nameStart])) {
            ++position;
            continue;
        }
        const std::size_t nameEnd = std::min(html.find_first_of(" \t\r\n\f/>", nameStart), html.size());
        const std::string name = asciiLower(html.substr(nameStart, nameEnd - nameStart));
        position = nameEnd;
        if (contains(uncountedTags, name))
            continue;
        if (closing)
            depth = std::max(0, depth - 1);
        else if (contains(rawTextTags, name))
            position = skipRawText(html, position, name);
        else
            deepest = std::max(deepest, ++depth);
    }
    return deepest;
}

} // namespace platform::graphics
