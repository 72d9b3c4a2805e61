#pragma once
// Filling the parts of a panel on a 32-bit surface, as the message box draws its face:
// a plain rectangle, and a rounded one whose corners are blended smooth into what lies
// below. Both draw only inside `clip` (surface coordinates).

#include <cstdint>

#include "platform/gdi/Surface.h"
#include "platform/kernel/WinTypes.h"

void FillArea(Surface& surface, const RECT& clip, const RECT& box, uint32_t colour);
void FillRounded(Surface& surface, const RECT& clip, const RECT& box, LONG radius, uint32_t colour);
