#include "platform/machines/web/DirtyArea.h"

#include <algorithm>

void DirtyArea::Add(const RECT& area, const RECT& bounds) {
    const RECT cut{std::max(area.left, bounds.left), std::max(area.top, bounds.top),
                   std::min(area.right, bounds.right), std::min(area.bottom, bounds.bottom)};
    if (cut.left >= cut.right || cut.top >= cut.bottom) return;
    if (!m_area) {
        m_area = cut;
        return;
    }
    m_area = RECT{std::min(m_area->left, cut.left), std::min(m_area->top, cut.top),
                  std::max(m_area->right, cut.right), std::max(m_area->bottom, cut.bottom)};
}

std::optional<RECT> DirtyArea::Take() {
    std::optional<RECT> area;
    std::swap(area, m_area);
    return area;
}
