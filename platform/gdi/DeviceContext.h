#pragma once
// A device context: a clipped view of a surface with an origin. Drawing at logical
// (x, y) lands at surface (origin.x + x, origin.y + y), and only inside `clip`
// (surface coordinates). Child windows draw into their top-level window's surface
// this way; memory contexts view the bitmap selected into them (a DIB section leaves
// `surface` null: the context then draws into the section's own pixels). What the
// drawing calls changed is gathered in `drawn`, so that releasing a window's context
// shows only that on the screen, and nothing when nothing was drawn.

#include "platform/gdi/Surface.h"
#include "platform/kernel/WinTypes.h"

class BitmapObject;

struct DeviceContext {
    Surface* surface;
    POINT origin;
    RECT clip;
    // The bitmap of a memory context; null for window, screen and printer contexts.
    BitmapObject* selected = nullptr;
    int32_t stretchMode = 1;  // BLACKONWHITE
    // The bounds of every pixel written through this context (surface coordinates).
    RECT drawn{};
    // A context that another service made (a printer's) is freed by that service, which
    // ends what it holds; null for the contexts graphics frees itself.
    void (*release)(HDC dc) = nullptr;
};

// Adds `area` (surface coordinates) to what `dc` has drawn.
void MarkDrawn(HDC dc, const RECT& area);

// A context on `surface` with the given origin and clip (clip is cut to the surface).
// Release it with ReleaseSurfaceDC.
HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip);
void ReleaseSurfaceDC(HDC dc);

// Rectangle helpers with the exclusive right and bottom edges.
bool IsRectEmpty(const RECT& r);
// The common part of a and b; false (and an empty rectangle) when they do not overlap.
bool IntersectRect(RECT* out, const RECT* a, const RECT* b);
// The smallest rectangle holding both; an empty one contributes nothing.
bool UnionRect(RECT* out, const RECT* a, const RECT* b);
bool PtInRect(const RECT* r, POINT p);
bool OffsetRect(RECT* r, LONG dx, LONG dy);
