#include "platform/machines/Letterbox.h"

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
    const LONG wholeScale =
        std::min(m_windowWidth / m_screenWidth, m_windowHeight / m_screenHeight);
    if (wholeScale >= 1 && width - wholeScale * m_screenWidth < m_screenWidth / 8) {
        width = wholeScale * m_screenWidth;
        height = wholeScale * m_screenHeight;
    }
    width = std::max<LONG>(width, 1);
    height = std::max<LONG>(height, 1);
    const LONG left = (m_windowWidth - width) / 2;
    const LONG top = (m_windowHeight - height) / 2;
    m_picture = {left, top, left + width, top + height};
    m_wholeScale = width % m_screenWidth == 0 && height % m_screenHeight == 0;
    m_columns = MakeAxis(width, m_screenWidth, m_wholeScale);
    m_rows = MakeAxis(height, m_screenHeight, m_wholeScale);
}

// Picture pixel i covers the screen interval [i * S / P, (i + 1) * S / P); measured in
// units of 1 / P screen pixel, that is [i * S, (i + 1) * S), and screen pixel j is [j * P, (j + 1)
// * P).
Letterbox::Axis Letterbox::MakeAxis(LONG pictureSize, LONG screenSize, bool whole) {
    Axis axis;
    const int64_t picture = pictureSize;
    const int64_t screen = screenSize;
    for (int64_t i = 0; i < picture; ++i) {
        axis.starts.push_back(static_cast<uint32_t>(axis.taps.size()));
        const int64_t from = i * screen;
        const int64_t to = from + screen;
        axis.nearest.push_back(static_cast<LONG>(from / picture));
        if (whole) {
            axis.taps.push_back({axis.nearest.back(), kWholeWeight});
            continue;
        }
        const size_t first = axis.taps.size();
        uint32_t given = 0;
        for (int64_t j = from / picture; j * picture < to; ++j) {
            const int64_t overlap = std::min(to, (j + 1) * picture) - std::max(from, j * picture);
            const auto weight =
                static_cast<uint32_t>((overlap * kWholeWeight + screen / 2) / screen);
            axis.taps.push_back({static_cast<LONG>(j), weight});
            given += weight;
        }
        // Rounding leftovers go to the largest share, so that every pixel's shares add up exactly.
        auto largest =
            std::max_element(axis.taps.begin() + static_cast<long>(first), axis.taps.end(),
                             [](const Tap& a, const Tap& b) { return a.weight < b.weight; });
        largest->weight = largest->weight + kWholeWeight - given;
    }
    axis.starts.push_back(static_cast<uint32_t>(axis.taps.size()));
    return axis;
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

RECT Letterbox::Touched(const RECT& area) const {
    if (m_wholeScale) return ToWindow(area);
    const LONG left = std::clamp(area.left, LONG{0}, m_screenWidth);
    const LONG top = std::clamp(area.top, LONG{0}, m_screenHeight);
    const LONG right = std::clamp(area.right, left, m_screenWidth);
    const LONG bottom = std::clamp(area.bottom, top, m_screenHeight);
    if (left == right || top == bottom)
        return {m_picture.left, m_picture.top, m_picture.left, m_picture.top};
    // Window pixel i spans [i * S / P, (i + 1) * S / P) of the screen: it meets [L, R)
    // when floor(L * P / S) <= i < ceil(R * P / S).
    const LONG width = m_picture.right - m_picture.left;
    const LONG height = m_picture.bottom - m_picture.top;
    return {m_picture.left + static_cast<LONG>(int64_t{left} * width / m_screenWidth),
            m_picture.top + static_cast<LONG>(int64_t{top} * height / m_screenHeight),
            m_picture.left + ScaledEdge(right, width, m_screenWidth),
            m_picture.top + ScaledEdge(bottom, height, m_screenHeight)};
}

POINT Letterbox::ToScreen(POINT windowPoint) const {
    const LONG x =
        std::clamp(windowPoint.x - m_picture.left, LONG{0}, m_picture.right - m_picture.left - 1);
    const LONG y =
        std::clamp(windowPoint.y - m_picture.top, LONG{0}, m_picture.bottom - m_picture.top - 1);
    return {m_columns.nearest[static_cast<size_t>(x)], m_rows.nearest[static_cast<size_t>(y)]};
}

POINT Letterbox::ToWindow(POINT screenPoint) const {
    const RECT square =
        ToWindow(RECT{screenPoint.x, screenPoint.y, screenPoint.x + 1, screenPoint.y + 1});
    return {(square.left + std::max(square.left, square.right - 1)) / 2,
            (square.top + std::max(square.top, square.bottom - 1)) / 2};
}

void Letterbox::ScaleRow(const Surface& screen, LONG y, LONG left, LONG right,
                         uint32_t* out) const {
    const auto row = static_cast<size_t>(y - m_picture.top);
    const auto first = static_cast<size_t>(left - m_picture.left);
    const auto end = static_cast<size_t>(right - m_picture.left);
    if (m_wholeScale) {
        const uint32_t* line = screen.Row(m_rows.nearest[row]);
        if (m_picture.right - m_picture.left == m_screenWidth) {
            std::copy(line + first, line + end, out);
            return;
        }
        for (size_t column = first; column < end; ++column)
            *out++ = line[m_columns.nearest[column]];
        return;
    }
    const Tap* rowTaps = m_rows.taps.data() + m_rows.starts[row];
    const Tap* rowEnd = m_rows.taps.data() + m_rows.starts[row + 1];
    for (size_t column = first; column < end; ++column) {
        const Tap* columnTaps = m_columns.taps.data() + m_columns.starts[column];
        const Tap* columnEnd = m_columns.taps.data() + m_columns.starts[column + 1];
        uint32_t red = 0;
        uint32_t green = 0;
        uint32_t blue = 0;
        for (const Tap* rowTap = rowTaps; rowTap != rowEnd; ++rowTap) {
            const uint32_t* line = screen.Row(rowTap->source);
            for (const Tap* columnTap = columnTaps; columnTap != columnEnd; ++columnTap) {
                const uint32_t weight = rowTap->weight * columnTap->weight;
                const uint32_t rgb = line[columnTap->source];
                red += ((rgb >> 16) & 0xFF) * weight;
                green += ((rgb >> 8) & 0xFF) * weight;
                blue += (rgb & 0xFF) * weight;
            }
        }
        constexpr uint32_t kShift = 16;  // kWholeWeight squared
        constexpr uint32_t kHalf = 1u << (kShift - 1);
        *out++ = (((red + kHalf) >> kShift) << 16) | (((green + kHalf) >> kShift) << 8) |
                 ((blue + kHalf) >> kShift);
    }
}

uint32_t Letterbox::PixelAt(const Surface& screen, LONG x, LONG y) const {
    uint32_t rgb = 0;
    ScaleRow(screen, y, x, x + 1, &rgb);
    return rgb;
}
