#include "platform/machines/sdl/SdlPointer.h"

#include <SDL2/SDL_events.h>

#include <algorithm>

SdlPointer::SdlPointer(SDL_Window* window, LONG screenWidth, const Letterbox& fit,
                       const TouchGesture& touch)
    : m_window(window), m_screenWidth(screenWidth), m_fit(fit), m_touch(touch) {}

SdlPointer::~SdlPointer() {
    SDL_SetWindowMouseRect(m_window, nullptr);
    SDL_SetCursor(SDL_GetDefaultCursor());
    if (m_cursor != nullptr) SDL_FreeCursor(m_cursor);
}

SDL_Surface* SdlPointer::SurfaceOf(const CursorImage& image, int scale) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(
        0, image.width * scale, image.height * scale, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        auto* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < surface->w; ++x) {
            row[x] = image.pixels[static_cast<size_t>((y / scale) * image.width + x / scale)];
        }
    }
    SDL_UnlockSurface(surface);
    return surface;
}

void SdlPointer::SetImage(const CursorImage* image) {
    m_image = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
    ApplyCursor();
}

void SdlPointer::SetVisible(bool visible) {
    m_visible = visible;
    ApplyCursor();
}

void SdlPointer::ApplyCursor() {
    const bool hasPicture = m_image && m_image->width > 0 && m_image->height > 0 &&
                            m_image->pixels.size() == static_cast<size_t>(m_image->width) *
                                                          static_cast<size_t>(m_image->height);
    if (hasPicture) {
        const RECT& picture = m_fit.Picture();
        const int scale = std::max<int>(1, (picture.right - picture.left) / m_screenWidth);
        SDL_Surface* surface = SurfaceOf(*m_image, scale);
        SDL_Cursor* cursor = surface != nullptr
                                 ? SDL_CreateColorCursor(surface, m_image->hotSpot.x * scale,
                                                         m_image->hotSpot.y * scale)
                                 : nullptr;
        if (surface != nullptr) SDL_FreeSurface(surface);
        if (cursor != nullptr) {
            SDL_SetCursor(cursor);
            if (m_cursor != nullptr) SDL_FreeCursor(m_cursor);
            m_cursor = cursor;
        }
    }
    SDL_ShowCursor(m_visible && hasPicture ? SDL_ENABLE : SDL_DISABLE);
}

void SdlPointer::Warp(POINT screenPoint) {
    if (m_touch.FingerDown()) return;
    const POINT place = m_fit.ToWindow(screenPoint);
    SDL_WarpMouseInWindow(m_window, place.x, place.y);
}

void SdlPointer::Confine(const RECT* area) {
    m_confinement = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    ApplyConfinement();
}

void SdlPointer::ApplyConfinement() {
    if (!m_confinement || m_touch.FingerDown()) {
        SDL_SetWindowMouseRect(m_window, nullptr);
        return;
    }
    const RECT place = m_fit.ToWindow(*m_confinement);
    const SDL_Rect rect{place.left, place.top, std::max<LONG>(place.right - place.left, 1),
                        std::max<LONG>(place.bottom - place.top, 1)};
    SDL_SetWindowMouseRect(m_window, &rect);
}
