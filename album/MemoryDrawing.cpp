#include "album/MemoryDrawing.h"

MemoryDrawing::MemoryDrawing(HDC dc, HBITMAP bitmap)
    : m_memory(CreateCompatibleDC(dc)),
      m_bitmap(bitmap),
      m_previous(SelectObject(m_memory, bitmap)) {}

MemoryDrawing::~MemoryDrawing() {
    SelectObject(m_memory, m_previous);
    DeleteDC(m_memory);
    DeleteObject(m_bitmap);
}
