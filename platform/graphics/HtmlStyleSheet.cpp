#include "graphics/HtmlStyleSheet.h"

namespace platform::graphics {
namespace {

constexpr std::string_view userAgentStyle = R"css(
html { display: block; position: relative; }
head, meta, title, script, style, link, base, template, noscript, datalist, param { display: none; }
[hidden], area, map { display: none; }
body { display: block; margin: 8px; }

address, article, aside, blockquote, center, dd, details, dialog, dir, div, dl, dt, fieldset,
figcaption, figure, footer, form, header, hgroup, hr, legend, main, menu, nav, ol, p, pre,
section, summary, ul { display: block; }
li { display: list-item; }

p, dl, blockquote, figure, pre { margin-top: 1em; margin-bottom: 1em; }
blockquote, figure { margin-left: 40px; margin-right: 40px; }
dd { margin-left: 40px; }
center { text-align: center; }
address { font-style: italic; }

h1, h2, h3, h4, h5, h6 { display: block; font-weight: bold; }
h1 { font-size: 2em; margin-top: 0.67em; margin-bottom: 0.67em; }
h2 { font-size: 1.5em; margin-top: 0.83em; margin-bottom: 0.83em; }
h3 { font-size: 1.17em; margin-top: 1em; margin-bottom: 1em; }
h4 { margin-top: 1.33em; margin-bottom: 1.33em; }
h5 { font-size: 0.83em; margin-top: 1.67em; margin-bottom: 1.67em; }
h6 { font-size: 0.67em; margin-top: 2.33em; margin-bottom: 2.33em; }

ul, menu, dir, ol { margin-top: 1em; margin-bottom: 1em; padding-left: 40px; }
ul, menu, dir { list-style-type: disc; }
ol { list-style-type: decimal; }
ul ul, ol ul, menu ul, ul menu { list-style-type: circle; margin-top: 0; margin-bottom: 0; }
ul ul ul, ol ul ul, ul ol ul, ol ol ul { list-style-type: square; }
ol ol, ul ol, ol ul, ul ul { margin-top: 0; margin-bottom: 0; }

hr { border-style: inset; border-width: 1px; border-color: #aaa; margin-top: 0.5em; margin-bottom: 0.5em; }

table { display: table; border-collapse: separate; border-spacing: 2px; }
caption { display: table-caption; text-align: center; }
thead { display: table-header-group; vertical-align: middle; }
tbody { display: table-row-group; vertical-align: middle; }
tfoot { display: table-footer-group; vertical-align: middle; }
colgroup { display: table-column-group; }
col { display: table-column; }
tr { display: table-row; vertical-align: inherit; }
td, th { display: table-cell; vertical-align: inherit; padding: 1px; }
th { font-weight: bold; text-align: center; }
table[border] { border-style: solid; border-color: gray; }
table[border] td, table[border] th { border: 1px solid gray; }
table[border="0"] td, table[border="0"] th { border-style: none; }

b, strong, th { font-weight: bold; }
i, em, cite, var, dfn, address { font-style: italic; }
u, ins { text-decoration: underline; }
s, strike, del { text-decoration: line-through; }
big { font-size: larger; }
small { font-size: smaller; }
sub { vertical-align: sub; font-size: smaller; }
sup { vertical-align: super; font-size: smaller; }
pre, code, kbd, samp, tt, xmp, listing, plaintext { font-family: monospace; }
pre, xmp, listing, plaintext { white-space: pre; }
nobr { white-space: nowrap; }
a:link, a:visited { color: #0000ee; text-decoration: underline; }
mark { background-color: yellow; color: black; }

br { display: inline-block; }
img { display: inline-block; }
input, select, button, textarea { display: inline-block; }
)css";

} // namespace

std::string_view HtmlStyleSheet::userAgent()
{
    return userAgentStyle;
}

} // namespace platform::graphics
