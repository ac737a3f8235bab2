#include "composer/screens/CreateTransactionLook.h"

#include "sdk/screens/VTIconFontPainter.h"

platform::graphics::Font CreateTransactionLook::iconFont(double size)
{
    return platform::graphics::Font(VTIconFontPainter::family, size);
}
