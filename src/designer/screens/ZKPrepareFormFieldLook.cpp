#include "designer/screens/ZKPrepareFormFieldLook.h"

#include "sdk/screens/VTIconFontPainter.h"

platform::graphics::Font ZKPrepareFormFieldLook::iconFont(double size)
{
    return platform::graphics::Font(VTIconFontPainter::family, size);
}
