#pragma once
// Where the program's fixed-size screen lies in a window of any size: scaled to fit,
// centred, with black bars on the two sides that are left over. At a whole-number
// scale every screen pixel becomes an equal square of window pixels, crisp; at any
// other scale, larger or smaller, each window pixel is the average of the screen
// pixels it covers, weighted by how much of each it covers, so that thin lettering
// keeps every stroke instead of losing some to rounding.

#include <cstdint>
#include <vector>

#include "platform/gdi/Surface.h"
#include "platform/kernel/WinTypes.h"

class Letterbox {
public:
    Letterbox(LONG screenWidth, LONG screenHeight, LONG windowWidth, LONG windowHeight);

    // The part of the window the screen covers.
    const RECT& Picture() const { return m_picture; }
    LONG WindowWidth() const { return m_windowWidth; }
    LONG WindowHeight() const { return m_windowHeight; }
    // Whether every screen pixel becomes a whole square of window pixels.
    bool WholeScale() const { return m_wholeScale; }

    // The window pixels that show screen rectangle `area` (empty when none do). With a
    // smooth scale more window pixels blend some of `area` in: see Touched.
    RECT ToWindow(const RECT& area) const;
    // Every window pixel whose colour depends on screen rectangle `area`.
    RECT Touched(const RECT& area) const;
    // The screen pixel that window pixel `point` shows, held inside the screen.
    POINT ToScreen(POINT windowPoint) const;
    // The window pixel in the middle of the square that shows screen pixel `point`.
    POINT ToWindow(POINT screenPoint) const;

    // The colours of window pixels `left` to `right` (exclusive) of row `y` of the
    // picture, taken from `screen`, into `out[0]` onwards.
    void ScaleRow(const Surface& screen, LONG y, LONG left, LONG right, uint32_t* out) const;
    // The colour of window pixel (x, y) of the picture.
    uint32_t PixelAt(const Surface& screen, LONG x, LONG y) const;

private:
    // One screen pixel's share (out of kWholeWeight) in a window pixel, along one axis.
    struct Tap {
        LONG source;
        uint32_t weight;
    };
    // For each picture pixel along one axis, its taps: taps[starts[i]] up to taps[starts[i + 1]].
    struct Axis {
        std::vector<Tap> taps;
        std::vector<uint32_t> starts;
        std::vector<LONG> nearest;
    };
    static constexpr uint32_t kWholeWeight = 256;

    static Axis MakeAxis(LONG pictureSize, LONG screenSize, bool whole);
    // The first picture pixel at or after which screen pixel `screen` is shown.
    static LONG ScaledEdge(LONG screen, LONG pictureSize, LONG screenSize);

    LONG m_screenWidth;
    LONG m_screenHeight;
    LONG m_windowWidth;
    LONG m_windowHeight;
    RECT m_picture{};
    bool m_wholeScale = false;
    Axis m_columns;
    Axis m_rows;
};
