#include "platform/user/Screen.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/user/UserBackend.h"

namespace {

constexpr uint32_t kDesktopColour = 0x000000;

}  // namespace

Screen::Screen() : m_pixels(kScreenWidth, kScreenHeight) {
    m_pixels.Fill(kDesktopColour);
}

void Screen::Refresh(const RECT& area, const std::vector<Layer>& layers) {
    RECT visible{};
    const RECT bounds = m_pixels.Bounds();
    if (!IntersectRect(&visible, &area, &bounds)) return;
    for (LONG y = visible.top; y < visible.bottom; ++y) {
        std::fill(m_pixels.Row(y) + visible.left, m_pixels.Row(y) + visible.right, kDesktopColour);
    }
    for (const Layer& layer : layers) Compose(visible, layer);
    Present(visible);
}

void Screen::Present(const RECT& area) {
    RECT visible{};
    const RECT bounds = m_pixels.Bounds();
    if (IntersectRect(&visible, &area, &bounds))
        UserBackendSlot::Current().Present(m_pixels, visible);
}

void Screen::Compose(const RECT& area, const Layer& layer) {
    RECT common{};
    if (!IntersectRect(&common, &area, &layer.place)) return;
    const LONG width = common.right - common.left;
    for (LONG y = common.top; y < common.bottom; ++y) {
        const uint32_t* source =
            layer.surface->Row(y - layer.place.top) + (common.left - layer.place.left);
        std::copy(source, source + width, m_pixels.Row(y) + common.left);
    }
}
