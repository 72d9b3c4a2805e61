#pragma once
// Where the album's fixed-size screen lies in a browser window of any size: scaled to
// fit, centred, with black bars on the two sides left over, as on the desktop. The
// scale is chosen in device pixels: a scale just above a whole number is taken down to
// it, so that at whole scales every screen pixel is an equal square of device pixels
// and the canvas is drawn crisp (pixelated) rather than smoothed. Pointer positions on
// the page map back to the screen pixel under them.

#include "platform/kernel/WinTypes.h"

class CanvasFit {
public:
    // The placement of the canvas, in CSS pixels of the page, its corner on a whole
    // device pixel.
    struct Placement {
        double left;
        double top;
        double width;
        double height;
    };

    // A `screenWidth` x `screenHeight` screen in a window of `windowWidth` x
    // `windowHeight` CSS pixels, each `devicePixelRatio` device pixels wide.
    CanvasFit(LONG screenWidth, LONG screenHeight, double windowWidth, double windowHeight,
              double devicePixelRatio);

    const Placement& Canvas() const { return m_canvas; }
    // Whether every screen pixel covers a whole square of device pixels.
    bool WholeScale() const { return m_wholeScale; }
    // The screen pixel under page point (x, y) (CSS pixels), held inside the screen.
    POINT ToScreen(double pageX, double pageY) const;

private:
    LONG m_screenWidth;
    LONG m_screenHeight;
    Placement m_canvas{};
    bool m_wholeScale = false;
};
