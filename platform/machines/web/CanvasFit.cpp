#include "platform/machines/web/CanvasFit.h"

#include <algorithm>
#include <cmath>

CanvasFit::CanvasFit(LONG screenWidth, LONG screenHeight, double windowWidth, double windowHeight,
                     double devicePixelRatio)
    : m_screenWidth(std::max<LONG>(screenWidth, 1)),
      m_screenHeight(std::max<LONG>(screenHeight, 1)) {
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const double deviceWidth = std::max(windowWidth, 1.0) * ratio;
    const double deviceHeight = std::max(windowHeight, 1.0) * ratio;
    double scale = std::min(deviceWidth / m_screenWidth, deviceHeight / m_screenHeight);
    // A scale less than an eighth above a whole number is taken down to it.
    const double whole = std::floor(scale);
    if (whole >= 1 && scale - whole < 0.125) scale = whole;
    m_wholeScale = scale == std::floor(scale);
    const double width = m_screenWidth * scale / ratio;
    const double height = m_screenHeight * scale / ratio;
    // On whole device pixels, so that a crisp picture's squares all come out the same.
    const auto centred = [ratio](double window, double size) {
        return std::floor((std::max(window, 1.0) - size) / 2 * ratio) / ratio;
    };
    m_canvas = {centred(windowWidth, width), centred(windowHeight, height), width, height};
}

POINT CanvasFit::ToScreen(double pageX, double pageY) const {
    const double x = std::floor((pageX - m_canvas.left) * m_screenWidth / m_canvas.width);
    const double y = std::floor((pageY - m_canvas.top) * m_screenHeight / m_canvas.height);
    return {static_cast<LONG>(std::clamp(x, 0.0, static_cast<double>(m_screenWidth - 1))),
            static_cast<LONG>(std::clamp(y, 0.0, static_cast<double>(m_screenHeight - 1)))};
}
