#pragma once
// The program's icon at the other sizes desktops ask for: smaller sizes average the
// icon's pixels under each new pixel (area by area), larger ones blend the four
// nearest, so that no size shows jagged steps; see-through stays see-through.

#include "platform/user/Cursor.h"

class IconSizes {
public:
    static CursorImage Resampled(const CursorImage& icon, LONG size);
    // For launchers that cut a shape of their own (circle, squircle, rounded square)
    // out of the icon: opaque, `background` (0xRRGGBB) out to every edge, and the icon
    // shrunk into the middle circle that every such shape keeps whole.
    static CursorImage Maskable(const CursorImage& icon, LONG size, uint32_t background);
};
