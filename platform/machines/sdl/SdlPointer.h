#pragma once
// The pointer in the desktop's window: the program's cursor picture, scaled with the
// screen by whole steps so that it stays crisp; its visibility (no picture hides it, as
// a null cursor does on Windows); moving it; and holding it inside an area of the
// screen, unless a finger is down, whose pointer nothing may hold back.

#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_surface.h>
#include <SDL2/SDL_video.h>

#include <optional>

#include "platform/machines/Letterbox.h"
#include "platform/user/Cursor.h"
#include "platform/user/TouchGesture.h"

class SdlPointer {
public:
    // `fit` and `touch` belong to the window's owner and outlive the pointer;
    // `screenWidth` is the width of the program's screen.
    SdlPointer(SDL_Window* window, LONG screenWidth, const Letterbox& fit,
               const TouchGesture& touch);
    // Lets the pointer go and gives it the system's picture, before the window goes.
    ~SdlPointer();
    SdlPointer(const SdlPointer&) = delete;
    SdlPointer& operator=(const SdlPointer&) = delete;

    void SetImage(const CursorImage* image);
    void SetVisible(bool visible);
    bool Visible() const { return m_visible; }
    void Warp(POINT screenPoint);
    // Holds the pointer inside `area` of the screen (null: free).
    void Confine(const RECT* area);

    // Apply the picture and the hold again: after the screen was fitted to the window
    // anew, or a finger went down or up.
    void ApplyCursor();
    void ApplyConfinement();

    // `image` as an SDL surface, each of its pixels `scale` x `scale`; null on failure.
    static SDL_Surface* SurfaceOf(const CursorImage& image, int scale);

private:
    SDL_Window* m_window;
    LONG m_screenWidth;
    const Letterbox& m_fit;
    const TouchGesture& m_touch;
    std::optional<CursorImage> m_image;
    SDL_Cursor* m_cursor = nullptr;
    bool m_visible = true;
    std::optional<RECT> m_confinement;
};
