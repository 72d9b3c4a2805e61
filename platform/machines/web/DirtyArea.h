#pragma once
// The part of the screen changed since it was last drawn: the smallest rectangle that
// holds every change, so that one copy draws them all.

#include <optional>

#include "platform/kernel/WinTypes.h"

class DirtyArea {
public:
    // Adds `area`, cut to `bounds`; an empty rectangle adds nothing.
    void Add(const RECT& area, const RECT& bounds);
    // The changed rectangle, and the area is clean again; nothing when nothing changed.
    std::optional<RECT> Take();

private:
    std::optional<RECT> m_area;
};
