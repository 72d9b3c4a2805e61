#include "platform/machines/sdl/SdlBackend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <vector>

#include "platform/kernel/TerminationSignals.h"
#include "platform/machines/sdl/DisplayLoss.h"
#include "platform/machines/sdl/KeyedPicture.h"
#include "platform/user/Resources.h"
#include "platform/user/WindowManager.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr Uint32 kOpaqueAlpha = 0xFF000000u;

// Set before SDL starts; an environment setting of the same name still wins.
void SetDefaultHints() {
    SDL_SetHintWithPriority(SDL_HINT_MOUSE_AUTO_CAPTURE, "0", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1", SDL_HINT_OVERRIDE);
    // Closing the window is a request to the program, never an ending by itself.
    SDL_SetHintWithPriority(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0", SDL_HINT_OVERRIDE);
    // Termination signals end the session (TerminationSignals), not close the window.
    SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
    // Plain window surfaces: shared memory on X11, much faster than a software GL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    // Fingers are read as fingers (TouchGesture), not as SDL's imitation of a mouse.
    SDL_SetHintWithPriority(SDL_HINT_TOUCH_MOUSE_EVENTS, "0", SDL_HINT_OVERRIDE);
}

// Where the window is made: for full screen, the display's own place and size, so that
// the window covers the display even when no window manager honours the request.
SDL_Rect WindowPlace(LONG width, LONG height, SdlBackend::WindowKind kind) {
    SDL_Rect place{static_cast<int>(SDL_WINDOWPOS_CENTERED),
                   static_cast<int>(SDL_WINDOWPOS_CENTERED), width, height};
    if (kind == SdlBackend::WindowKind::FullScreen) SDL_GetDisplayBounds(0, &place);
    return place;
}

void SetWindowIcon(SDL_Window* window) {
    const Resource* icon = Resources::Find(kIconId, ResourceKind::Icon);
    if (icon == nullptr) return;
    const std::optional<CursorImage> picture = KeyedPicture::Read(icon->bytes, POINT{0, 0});
    if (!picture) return;
    SDL_Surface* surface = SdlPointer::SurfaceOf(*picture, 1);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

}  // namespace

std::unique_ptr<SdlBackend> SdlBackend::Open(LONG width, LONG height, WindowKind kind) {
    SetDefaultHints();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    // Full screen from the start: switching after the window is shown would show it
    // first at its own size, and without a window manager would never take effect.
    const Uint32 fullScreen =
        kind == WindowKind::FullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS : 0;
    const SDL_Rect place = WindowPlace(width, height, kind);
    SDL_Window* window = SDL_CreateWindow(kTitle, place.x, place.y, place.w, place.h,
                                          SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | fullScreen);
    if (window == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SetWindowIcon(window);
    TerminationSignals::Install([] { UserBackendSlot::Current().Wake(); });
    DisplayLoss::Watch([] { WindowManager::Instance().EndSession(); });
    return std::unique_ptr<SdlBackend>(new SdlBackend(window, width, height, kind));
}

SdlBackend::SdlBackend(SDL_Window* window, LONG width, LONG height, WindowKind kind)
    : m_window(window),
      m_kind(kind),
      m_wakeEvent(SDL_RegisterEvents(1)),
      m_frame(width, height),
      m_letterbox(width, height, width, height),
      m_pointer(window, width, m_letterbox, m_touch),
      m_input(
          m_letterbox, m_touch, m_pointer, [this] { Refit(); },
          kind == WindowKind::Window ? std::function<void()>([this] { ToggleFullScreen(); })
                                     : nullptr) {
    m_frame.Fill(0);
    Refit();
}

void SdlBackend::WindowCloser::operator()(SDL_Window* window) const {
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlBackend::Present(const Surface& screen, const RECT& area) {
    const RECT copied = m_frame.CopyFrom(screen, area);
    if (copied.left >= copied.right) return;
    // A hidden window is drawn whole when it is shown.
    if ((SDL_GetWindowFlags(Window()) & SDL_WINDOW_HIDDEN) != 0) return;
    Show(copied);
}

// Until the program first has nothing left to handle, it is still drawing its first
// screen: showing the window earlier would show it black or half drawn. A copy of
// the album that only hands over to a running one never gets there, so its window is
// never mapped.
// Only the first time: a window hidden later was minimised or unmapped by the desktop,
// whose business it is to show it again.
void SdlBackend::Reveal() {
    if (m_revealed) return;
    m_revealed = true;
    SDL_ShowWindow(Window());
    Refit();
}

void SdlBackend::Refit() {
    SDL_Surface* target = SDL_GetWindowSurface(Window());
    if (target == nullptr) return;
    // A box shown alone lies at the screen's top left corner: only its part is fitted.
    const LONG shownWidth = m_only ? m_only->right : m_frame.Width();
    const LONG shownHeight = m_only ? m_only->bottom : m_frame.Height();
    m_letterbox = Letterbox(shownWidth, shownHeight, target->w, target->h);
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    m_pointer.ApplyCursor();
    m_pointer.ApplyConfinement();
    Show(m_frame.Bounds());
    SDL_UpdateWindowSurface(Window());
}

void SdlBackend::Show(const RECT& area) {
    SDL_Surface* target = SDL_GetWindowSurface(Window());
    if (target == nullptr) return;
    if (target->w != m_letterbox.WindowWidth() || target->h != m_letterbox.WindowHeight()) {
        Refit();
        return;
    }
    const RECT place = m_letterbox.Touched(area);
    if (place.left >= place.right || place.top >= place.bottom) return;
    // 32-bit targets take the pixels as they are; any other layout goes through SDL's mapping.
    const Uint32 format = target->format->format;
    const bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    const Uint32 alpha = format == SDL_PIXELFORMAT_ARGB8888 ? kOpaqueAlpha : 0;
    std::vector<uint32_t> scaled(static_cast<size_t>(place.right - place.left));
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    for (LONG y = place.top; y < place.bottom; ++y) {
        auto* out = static_cast<Uint8*>(target->pixels) + y * target->pitch;
        m_letterbox.ScaleRow(m_frame, y, place.left, place.right, scaled.data());
        for (LONG x = place.left; x < place.right; ++x) {
            const uint32_t rgb = scaled[static_cast<size_t>(x - place.left)];
            if (direct) {
                reinterpret_cast<Uint32*>(out)[x] = rgb | alpha;
            } else {
                const Uint32 mapped =
                    SDL_MapRGB(target->format, static_cast<Uint8>(rgb >> 16),
                               static_cast<Uint8>(rgb >> 8), static_cast<Uint8>(rgb));
                SDL_memcpy(out + x * target->format->BytesPerPixel, &mapped,
                           target->format->BytesPerPixel);
            }
        }
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    const SDL_Rect changed{place.left, place.top, place.right - place.left,
                           place.bottom - place.top};
    SDL_UpdateWindowSurfaceRects(Window(), &changed, 1);
}

void SdlBackend::WaitForInput(DWORD milliseconds) {
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<DWORD>(milliseconds, INT32_MAX)));
}

void SdlBackend::Settled() {
    Reveal();
}

// SDL's event queue may be pushed to from any thread; the event is dropped unread.
void SdlBackend::Wake() {
    if (m_wakeEvent == static_cast<Uint32>(-1)) return;
    SDL_Event event{};
    event.type = m_wakeEvent;
    SDL_PushEvent(&event);
}

void SdlBackend::ToggleFullScreen() {
    const bool full = (SDL_GetWindowFlags(Window()) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                      SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(Window(), full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    Refit();
}

// A window manager gives the keyboard to the window it restores; without one, a window
// mapped again has none until it takes it, and the album would stay inactive.
void SdlBackend::RestoreWindow() {
    SDL_RestoreWindow(Window());
    if ((SDL_GetWindowFlags(Window()) & SDL_WINDOW_INPUT_FOCUS) == 0)
        SDL_SetWindowInputFocus(Window());
}
void SdlBackend::RaiseWindow() {
    SDL_RaiseWindow(Window());
}

// A box before the album's own window: a small ordinary window, centred, showing just
// the box; afterwards the window is made again as it was and hidden, until the album's
// first screen is ready.
void SdlBackend::ShowOnly(const RECT* area) {
    m_only = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    if (m_only) {
        SDL_SetWindowFullscreen(Window(), 0);
        SDL_SetWindowBordered(Window(), SDL_TRUE);
        SDL_SetWindowSize(Window(), m_only->right - m_only->left, m_only->bottom - m_only->top);
        SDL_SetWindowPosition(Window(), static_cast<int>(SDL_WINDOWPOS_CENTERED),
                              static_cast<int>(SDL_WINDOWPOS_CENTERED));
    } else {
        // Hidden by the program itself, the window is shown again once the next screen
        // is ready.
        SDL_HideWindow(Window());
        m_revealed = false;
        const SDL_Rect place = WindowPlace(m_frame.Width(), m_frame.Height(), m_kind);
        SDL_SetWindowSize(Window(), place.w, place.h);
        SDL_SetWindowPosition(Window(), place.x, place.y);
        if (m_kind == WindowKind::FullScreen) {
            SDL_SetWindowBordered(Window(), SDL_FALSE);
            SDL_SetWindowFullscreen(Window(), SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
    }
    Refit();
}

void SdlBackend::Beep(UINT) {
    if (m_beep) m_beep();
}
