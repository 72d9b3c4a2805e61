#include "platform/gdi/DeviceContext.h"

#include <algorithm>

HDC CreateSurfaceDC(Surface* surface, POINT origin, RECT clip) {
    RECT visible{};
    const RECT bounds = surface->Bounds();
    IntersectRect(&visible, &clip, &bounds);
    return new DeviceContext{surface, origin, visible};
}

void ReleaseSurfaceDC(HDC dc) {
    delete dc;
}

void MarkDrawn(HDC dc, const RECT& area) {
    UnionRect(&dc->drawn, &dc->drawn, &area);
}

bool IsRectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

bool IntersectRect(RECT* out, const RECT* a, const RECT* b) {
    const RECT common{std::max(a->left, b->left), std::max(a->top, b->top),
                      std::min(a->right, b->right), std::min(a->bottom, b->bottom)};
    if (IsRectEmpty(common)) {
        *out = RECT{};
        return false;
    }
    *out = common;
    return true;
}

bool UnionRect(RECT* out, const RECT* a, const RECT* b) {
    if (IsRectEmpty(*a) && IsRectEmpty(*b)) {
        *out = RECT{};
        return false;
    }
    if (IsRectEmpty(*a)) {
        *out = *b;
    } else if (IsRectEmpty(*b)) {
        *out = *a;
    } else {
        *out = RECT{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return true;
}

bool PtInRect(const RECT* r, POINT p) {
    return p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom;
}

bool OffsetRect(RECT* r, LONG dx, LONG dy) {
    r->left += dx;
    r->right += dx;
    r->top += dy;
    r->bottom += dy;
    return true;
}
