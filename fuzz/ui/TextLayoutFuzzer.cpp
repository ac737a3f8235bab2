// Names, titles and messages from the service and from contact cards end up in labels and
// text views: any bytes, split into runs of mixed fonts, must shape and draw safely.
#include "graphics/ImageContext.h"
#include "graphics/TextLayout.h"
#include "graphics/TextLines.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace platform::graphics;
    const std::string input(reinterpret_cast<const char*>(data), size);
    AttributedString text;
    const std::size_t middle = input.size() / 2;
    text.append(input.substr(0, middle));
    text.append(input.substr(middle), Font("ios-vlt", 14), Color::white());
    TextStyle style;
    style.numberOfLines = size % 3 == 0 ? 0 : static_cast<int>(size % 3);
    style.wholeLines = size % 2 == 0;
    TextLayout::measure(text, style, static_cast<double>(size % 200));
    ImageContext image({40, 20}, 1, false);
    image.context().drawText(text, makeRect(0, 0, 40, 20), style);
    // A text view keeps the lines of its text as it is typed at its end.
    TextStyle textView;
    textView.numberOfLines = 0;
    TextLines lines(input, textView, 40, 2);
    lines.update(input + "a", input.size());
    lines.lineAt(static_cast<double>(size % 300));
    return 0;
}
