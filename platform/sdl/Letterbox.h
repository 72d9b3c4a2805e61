#pragma once
// Where the program's fixed-size screen lies in a window of any size: scaled to fit,
// centred, with black bars on the two sides that are left over. At a whole-number
// scale every screen pixel becomes an equal square of window pixels; at other scales
// each window pixel takes its nearest screen pixel, so the picture is never blurred.

#include <vector>

#include "platform/WinTypes.h"

class Letterbox {
public:
    Letterbox(LONG screenWidth, LONG screenHeight, LONG windowWidth, LONG windowHeight);

    // The part of the window the screen covers.
    const RECT& Picture() const { return m_picture; }
    LONG WindowWidth() const { return m_windowWidth; }
    LONG WindowHeight() const { return m_windowHeight; }

    // The window pixels that show screen rectangle `area` (empty when none do).
    RECT ToWindow(const RECT& area) const;
    // The screen pixel that window pixel `point` shows, held inside the screen.
    POINT ToScreen(POINT windowPoint) const;
    // The window pixel in the middle of the square that shows screen pixel `point`.
    POINT ToWindow(POINT screenPoint) const;

    // For each column and row of the picture, the screen column and row it shows.
    const std::vector<LONG>& SourceColumns() const { return m_sourceColumns; }
    const std::vector<LONG>& SourceRows() const { return m_sourceRows; }

private:
    static std::vector<LONG> SourceMap(LONG pictureSize, LONG screenSize);
    // The first picture pixel at or after which screen pixel `screen` is shown.
    static LONG ScaledEdge(LONG screen, LONG pictureSize, LONG screenSize);

    LONG m_screenWidth;
    LONG m_screenHeight;
    LONG m_windowWidth;
    LONG m_windowHeight;
    RECT m_picture{};
    std::vector<LONG> m_sourceColumns;
    std::vector<LONG> m_sourceRows;
};
