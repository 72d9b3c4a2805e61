#pragma once
// What passes over the page without belonging to it: drawn on top of the stickers each
// time the view composes an area, never saved with the page.

#include "gfx/DIB.h"
#include "platform/kernel/WinTypes.h"

class PageOverlay {
public:
    virtual ~PageOverlay() = default;
    // Draws what lies over `area` of the page into `image`, inside `area` only.
    virtual void DrawOver(CDIB* image, const RECT& area) const = 0;
};
