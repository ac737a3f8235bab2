#pragma once

#include <string_view>

namespace platform::graphics {

// How deeply the elements of an HTML page nest, estimated from its tags alone, before
// any parser sees it: the HTML parser and the layout both slow down with the square of
// the depth, so that a page of a few thousand unclosed tags would hold a conversion for
// minutes. Every start tag counts until its end tag, except the tags of void elements
// and of elements whose end tag may be left out (a paragraph, a list item, a table
// cell, ...), which a browser closes at the next one of their kind. Comments and the
// text of scripts and styles are skipped.
class HtmlNesting {
public:
    static int depth(std::string_view html);
};

} // namespace platform::graphics
