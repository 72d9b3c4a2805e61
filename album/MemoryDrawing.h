#pragma once
// A bitmap selected into a memory context compatible with a device context, to draw a
// picture off screen before it is copied out in one blit. The context and the bitmap are
// freed with it, however the drawing ends.

#include "platform/gdi/Gdi.h"

class MemoryDrawing {
public:
    // Takes `bitmap` (which may be null: then nothing can be drawn) into a memory context
    // compatible with `dc`.
    MemoryDrawing(HDC dc, HBITMAP bitmap);
    ~MemoryDrawing();
    MemoryDrawing(const MemoryDrawing&) = delete;
    MemoryDrawing& operator=(const MemoryDrawing&) = delete;

    HDC Memory() const { return m_memory; }

private:
    HDC m_memory;
    HBITMAP m_bitmap;
    HGDIOBJ m_previous;
};
