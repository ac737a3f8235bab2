#include "designer/screens/ZKPrepareFormFieldEdgePan.h"

#include <algorithm>

ZKPrepareFormFieldEdgePan::ZKPrepareFormFieldEdgePan(bool fromHidden, double translation)
    : shown_(fromHidden ? 0 : iconColumnWidth), travel_(std::min(translation, bodyWidth - shown_))
{
}
