#include "platform/sdl/Letterbox.h"

#include <algorithm>
#include <cstdint>

Letterbox::Letterbox(LONG screenWidth, LONG screenHeight, LONG windowWidth, LONG windowHeight)
    : m_screenWidth(std::max<LONG>(screenWidth, 1)),
      m_screenHeight(std::max<LONG>(screenHeight, 1)),
      m_windowWidth(std::max<LONG>(windowWidth, 1)),
      m_windowHeight(std::max<LONG>(windowHeight, 1)) {
    // The larger scale that still fits: compare width / height ratios without rounding.
    LONG width = m_windowWidth;
    LONG height = static_cast<LONG>(int64_t{m_windowWidth} * m_screenHeight / m_screenWidth);
    if (height > m_windowHeight) {
        height = m_windowHeight;
        width = static_cast<LONG>(int64_t{m_windowHeight} * m_screenWidth / m_screenHeight);
    }
    // A scale just above a whole number is taken down to it, so that pixels stay square.
    const LONG wholeScale = std::min(m_windowWidth / m_screenWidth, m_windowHeight / m_screenHeight);
    if (wholeScale >= 1 && width - wholeScale * m_screenWidth < m_screenWidth / 8) {
        width = wholeScale * m_screenWidth;
        height = wholeScale * m_screenHeight;
    }
    width = std::max<LONG>(width, 1);
    height = std::max<LONG>(height, 1);
    const LONG left = (m_windowWidth - width) / 2;
    const LONG top = (m_windowHeight - height) / 2;
    m_picture = {left, top, left + width, top + height};
    m_sourceColumns = SourceMap(width, m_screenWidth);
    m_sourceRows = SourceMap(height, m_screenHeight);
}

std::vector<LONG> Letterbox::SourceMap(LONG pictureSize, LONG screenSize) {
    std::vector<LONG> map(static_cast<size_t>(pictureSize));
    for (LONG i = 0; i < pictureSize; ++i) {
        map[static_cast<size_t>(i)] = static_cast<LONG>(int64_t{i} * screenSize / pictureSize);
    }
    return map;
}

LONG Letterbox::ScaledEdge(LONG screen, LONG pictureSize, LONG screenSize) {
    // The smallest i with i * screenSize / pictureSize >= screen.
    return static_cast<LONG>((int64_t{screen} * pictureSize + screenSize - 1) / screenSize);
}

RECT Letterbox::ToWindow(const RECT& area) const {
    const LONG left = std::clamp(area.left, LONG{0}, m_screenWidth);
    const LONG top = std::clamp(area.top, LONG{0}, m_screenHeight);
    const LONG right = std::clamp(area.right, left, m_screenWidth);
    const LONG bottom = std::clamp(area.bottom, top, m_screenHeight);
    const LONG width = m_picture.right - m_picture.left;
    const LONG height = m_picture.bottom - m_picture.top;
    return {m_picture.left + ScaledEdge(left, width, m_screenWidth),
            m_picture.top + ScaledEdge(top, height, m_screenHeight),
            m_picture.left + ScaledEdge(right, width, m_screenWidth),
            m_picture.top + ScaledEdge(bottom, height, m_screenHeight)};
}

POINT Letterbox::ToScreen(POINT windowPoint) const {
    const LONG x = std::clamp(windowPoint.x - m_picture.left, LONG{0}, m_picture.right - m_picture.left - 1);
    const LONG y = std::clamp(windowPoint.y - m_picture.top, LONG{0}, m_picture.bottom - m_picture.top - 1);
    return {m_sourceColumns[static_cast<size_t>(x)], m_sourceRows[static_cast<size_t>(y)]};
}

POINT Letterbox::ToWindow(POINT screenPoint) const {
    const RECT square = ToWindow(RECT{screenPoint.x, screenPoint.y, screenPoint.x + 1, screenPoint.y + 1});
    return {(square.left + std::max(square.left, square.right - 1)) / 2,
            (square.top + std::max(square.top, square.bottom - 1)) / 2};
}
