#include "platform/machines/sdl/SdlBackend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <vector>

#include "platform/kernel/TerminationSignals.h"
#include "platform/machines/sdl/DisplayLoss.h"
#include "platform/machines/sdl/KeyMap.h"
#include "platform/machines/sdl/KeyedPicture.h"
#include "platform/user/Resources.h"
#include "platform/user/User.h"
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

// Repeats of a held key that are still queued, found and removed by SDL_FilterEvents.
struct QueuedRepeats {
    SDL_Keycode key;
    bool released = false;
};

int SDLCALL DropQueuedRepeat(void* repeats, SDL_Event* event) {
    auto* queued = static_cast<QueuedRepeats*>(repeats);
    if ((event->type != SDL_KEYDOWN && event->type != SDL_KEYUP) ||
        event->key.keysym.sym != queued->key)
        return 1;
    if (event->type == SDL_KEYUP) queued->released = true;
    return event->type == SDL_KEYDOWN && event->key.repeat != 0 ? 0 : 1;
}

SDL_Surface* SurfaceOf(const CursorImage& image, int scale) {
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

void SetWindowIcon(SDL_Window* window) {
    const Resource* icon = Resources::Find(kIconId, ResourceKind::Icon);
    if (icon == nullptr) return;
    const std::optional<CursorImage> picture = KeyedPicture::Read(icon->bytes, POINT{0, 0});
    if (!picture) return;
    SDL_Surface* surface = SurfaceOf(*picture, 1);
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
    TerminationSignals::Install([] { CurrentUserBackend().Wake(); });
    DisplayLoss::Watch([] { WindowManager::Instance().EndSession(); });
    return std::unique_ptr<SdlBackend>(new SdlBackend(window, width, height, kind));
}

SdlBackend::SdlBackend(SDL_Window* window, LONG width, LONG height, WindowKind kind)
    : m_window(window),
      m_kind(kind),
      m_wakeEvent(SDL_RegisterEvents(1)),
      m_frame(width, height),
      m_letterbox(width, height, width, height) {
    m_frame.Fill(0);
    Refit();
}

SdlBackend::~SdlBackend() {
    SDL_SetWindowMouseRect(m_window, nullptr);
    SDL_SetCursor(SDL_GetDefaultCursor());
    if (m_cursor != nullptr) SDL_FreeCursor(m_cursor);
    SDL_DestroyWindow(m_window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void SdlBackend::Present(const Surface& screen, const RECT& area) {
    const RECT bounds = m_frame.Bounds();
    const RECT source = screen.Bounds();
    const LONG left = std::max({area.left, bounds.left, source.left});
    const LONG top = std::max({area.top, bounds.top, source.top});
    const LONG right = std::min({area.right, bounds.right, source.right});
    const LONG bottom = std::min({area.bottom, bounds.bottom, source.bottom});
    if (left >= right || top >= bottom) return;
    for (LONG y = top; y < bottom; ++y)
        std::copy(screen.Row(y) + left, screen.Row(y) + right, m_frame.Row(y) + left);
    // A hidden window is drawn whole when it is shown.
    if ((SDL_GetWindowFlags(m_window) & SDL_WINDOW_HIDDEN) != 0) return;
    Show(RECT{left, top, right, bottom});
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
    SDL_ShowWindow(m_window);
    Refit();
}

void SdlBackend::Refit() {
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (target == nullptr) return;
    // A box shown alone lies at the screen's top left corner: only its part is fitted.
    const LONG shownWidth = m_only ? m_only->right : m_frame.Width();
    const LONG shownHeight = m_only ? m_only->bottom : m_frame.Height();
    m_letterbox = Letterbox(shownWidth, shownHeight, target->w, target->h);
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    ApplyCursor();
    ApplyConfinement();
    Show(m_frame.Bounds());
    SDL_UpdateWindowSurface(m_window);
}

void SdlBackend::Show(const RECT& area) {
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
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
    SDL_UpdateWindowSurfaceRects(m_window, &changed, 1);
}

std::optional<InputEvent> SdlBackend::NextInputEvent() {
    if (TerminationSignals::TakeRequest()) return InputEvent{InputEvent::Kind::EndSession};
    if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        if (std::optional<InputEvent> input = Translate(event)) return input;
        if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
    }
    return std::nullopt;
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

InputEvent SdlBackend::PointerEvent(InputEvent::Kind kind, Sint32 x, Sint32 y) const {
    return InputEvent{kind, m_letterbox.ToScreen(POINT{x, y})};
}

std::optional<InputEvent> SdlBackend::Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            // While a finger is down the pointer is the finger's; the mouse waits.
            if (m_touch.FingerDown()) return std::nullopt;
            return PointerEvent(InputEvent::Kind::PointerMove, event.motion.x, event.motion.y);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (m_touch.FingerDown() || event.button.which == SDL_TOUCH_MOUSEID)
                return std::nullopt;
            if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT)
                return std::nullopt;
            const auto kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown
                                                                : InputEvent::Kind::ButtonUp;
            InputEvent input = PointerEvent(kind, event.button.x, event.button.y);
            input.button = event.button.button == SDL_BUTTON_LEFT ? InputEvent::Button::Left
                                                                  : InputEvent::Button::Right;
            return input;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return TranslateKey(event.key);
        case SDL_FINGERDOWN:
        case SDL_FINGERMOTION:
        case SDL_FINGERUP:
            TranslateFinger(event.tfinger);
            return std::nullopt;
        case SDL_WINDOWEVENT:
            return TranslateWindowEvent(event.window);
        // A request to end from outside (a signal): handled like the window's close.
        case SDL_QUIT:
            return InputEvent{InputEvent::Kind::Close};
        default:
            return std::nullopt;
    }
}

// A key held down repeats; when the program is busy with the key's command, the
// repeats that queue up meanwhile count as one, and none counts once the key is up
// again, so that the album stops as soon as the key is let go.
std::optional<InputEvent> SdlBackend::TranslateKey(const SDL_KeyboardEvent& event) {
    const bool down = event.type == SDL_KEYDOWN;
    if (down && event.keysym.sym == SDLK_F11 && m_kind == WindowKind::Window) {
        if (event.repeat == 0) ToggleFullScreen();
        return std::nullopt;
    }
    if (down && event.repeat != 0) {
        QueuedRepeats queued{event.keysym.sym};
        SDL_PumpEvents();
        SDL_FilterEvents(DropQueuedRepeat, &queued);
        if (queued.released) return std::nullopt;
    }
    const std::optional<UINT> key = KeyMap::VirtualKey(event.keysym.sym);
    if (!key) return std::nullopt;
    InputEvent input{down ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp};
    input.key = *key;
    return input;
}

void SdlBackend::TranslateFinger(const SDL_TouchFingerEvent& event) {
    const POINT windowPoint{
        static_cast<LONG>(event.x * static_cast<float>(m_letterbox.WindowWidth())),
        static_cast<LONG>(event.y * static_cast<float>(m_letterbox.WindowHeight()))};
    const POINT point = m_letterbox.ToScreen(windowPoint);
    switch (event.type) {
        case SDL_FINGERDOWN:
            m_touch.Down(event.fingerId, point, windowPoint);
            // A hidden pointer held inside the page must not hold back the finger.
            ApplyConfinement();
            break;
        case SDL_FINGERMOTION:
            m_touch.Move(event.fingerId, point, windowPoint);
            break;
        default:
            m_touch.Up(event.fingerId, point, !m_cursorVisible);
            ApplyConfinement();
            break;
    }
}

void SdlBackend::ToggleFullScreen() {
    const bool full = (SDL_GetWindowFlags(m_window) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
                      SDL_WINDOW_FULLSCREEN_DESKTOP;
    SDL_SetWindowFullscreen(m_window, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    Refit();
}

std::optional<InputEvent> SdlBackend::TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: {
            InputEvent input{InputEvent::Kind::Activate};
            input.active = true;
            return input;
        }
        case SDL_WINDOWEVENT_FOCUS_LOST:
            return InputEvent{InputEvent::Kind::Activate};
        case SDL_WINDOWEVENT_MINIMIZED:
            return InputEvent{InputEvent::Kind::Minimize};
        case SDL_WINDOWEVENT_CLOSE:
            return InputEvent{InputEvent::Kind::Close};
        // Shown again: the window system restores its windows, draws them back and
        // presents them.
        case SDL_WINDOWEVENT_RESTORED:
            return InputEvent{InputEvent::Kind::Restore};
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_EXPOSED:
            Refit();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void SdlBackend::SetCursorImage(const CursorImage* image) {
    m_cursorImage = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
    ApplyCursor();
}

void SdlBackend::SetCursorVisible(bool visible) {
    m_cursorVisible = visible;
    ApplyCursor();
}

// The picture is scaled with the screen (by whole steps, so it stays crisp); no
// picture hides the pointer, as a null cursor does on Windows.
void SdlBackend::ApplyCursor() {
    const bool hasPicture =
        m_cursorImage && m_cursorImage->width > 0 && m_cursorImage->height > 0 &&
        m_cursorImage->pixels.size() ==
            static_cast<size_t>(m_cursorImage->width) * static_cast<size_t>(m_cursorImage->height);
    if (hasPicture) {
        const RECT& picture = m_letterbox.Picture();
        const int scale = std::max<int>(1, (picture.right - picture.left) / m_frame.Width());
        SDL_Surface* surface = SurfaceOf(*m_cursorImage, scale);
        SDL_Cursor* cursor = surface != nullptr
                                 ? SDL_CreateColorCursor(surface, m_cursorImage->hotSpot.x * scale,
                                                         m_cursorImage->hotSpot.y * scale)
                                 : nullptr;
        if (surface != nullptr) SDL_FreeSurface(surface);
        if (cursor != nullptr) {
            SDL_SetCursor(cursor);
            if (m_cursor != nullptr) SDL_FreeCursor(m_cursor);
            m_cursor = cursor;
        }
    }
    SDL_ShowCursor(m_cursorVisible && hasPicture ? SDL_ENABLE : SDL_DISABLE);
}

void SdlBackend::WarpPointer(POINT screenPoint) {
    if (m_touch.FingerDown()) return;
    const POINT place = m_letterbox.ToWindow(screenPoint);
    SDL_WarpMouseInWindow(m_window, place.x, place.y);
}

void SdlBackend::ConfinePointer(const RECT* area) {
    m_confinement = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    ApplyConfinement();
}

void SdlBackend::ApplyConfinement() {
    if (!m_confinement || m_touch.FingerDown()) {
        SDL_SetWindowMouseRect(m_window, nullptr);
        return;
    }
    const RECT place = m_letterbox.ToWindow(*m_confinement);
    const SDL_Rect rect{place.left, place.top, std::max<LONG>(place.right - place.left, 1),
                        std::max<LONG>(place.bottom - place.top, 1)};
    SDL_SetWindowMouseRect(m_window, &rect);
}

// A window manager gives the keyboard to the window it restores; without one, a window
// mapped again has none until it takes it, and the album would stay inactive.
void SdlBackend::RestoreWindow() {
    SDL_RestoreWindow(m_window);
    if ((SDL_GetWindowFlags(m_window) & SDL_WINDOW_INPUT_FOCUS) == 0)
        SDL_SetWindowInputFocus(m_window);
}
void SdlBackend::RaiseWindow() {
    SDL_RaiseWindow(m_window);
}

bool SdlBackend::OpenDisplay() {
    return true;
}
bool SdlBackend::TakeDisplayExclusively() {
    return true;
}

// The desktop keeps its own mode; the window covers it from the start and the screen
// is scaled. A grown-up's window stays a window.
bool SdlBackend::SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) {
    return width > 0 && height > 0 && bitsPerPixel == 32;
}

// The desktop's mode never changed; the window goes with the program.
bool SdlBackend::RestoreDisplayMode() {
    return true;
}

bool SdlBackend::CloseDisplay() {
    return true;
}

std::optional<PrinterDescription> SdlBackend::DefaultPrinter() {
    return m_printer.DefaultPrinter();
}

bool SdlBackend::ConfirmPrinting(bool landscape) {
    const std::optional<PrinterDescription> printer = m_printer.DefaultPrinter();
    if (!printer) return false;
    const std::string text = "Print the page on the printer \"" + printer->name + "\", " +
                             (landscape ? "landscape" : "portrait") + "?";
    return MessageBoxA(nullptr, text.c_str(), "Print", MB_OKCANCEL) == IDOK;
}

bool SdlBackend::StartPrintJob(const std::string& documentName) {
    return m_printer.StartJob(documentName);
}
bool SdlBackend::PrintPage(const Surface& page) {
    return m_printer.PrintPage(page);
}
bool SdlBackend::EndPrintJob() {
    return m_printer.EndJob();
}

// A box before the album's own window: a small ordinary window, centred, showing just
// the box; afterwards the window is made again as it was and hidden, until the album's
// first screen is ready.
void SdlBackend::ShowOnly(const RECT* area) {
    m_only = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    if (m_only) {
        SDL_SetWindowFullscreen(m_window, 0);
        SDL_SetWindowBordered(m_window, SDL_TRUE);
        SDL_SetWindowSize(m_window, m_only->right - m_only->left, m_only->bottom - m_only->top);
        SDL_SetWindowPosition(m_window, static_cast<int>(SDL_WINDOWPOS_CENTERED),
                              static_cast<int>(SDL_WINDOWPOS_CENTERED));
    } else {
        // Hidden by the program itself, the window is shown again once the next screen
        // is ready.
        SDL_HideWindow(m_window);
        m_revealed = false;
        const SDL_Rect place = WindowPlace(m_frame.Width(), m_frame.Height(), m_kind);
        SDL_SetWindowSize(m_window, place.w, place.h);
        SDL_SetWindowPosition(m_window, place.x, place.y);
        if (m_kind == WindowKind::FullScreen) {
            SDL_SetWindowBordered(m_window, SDL_FALSE);
            SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP);
        }
    }
    Refit();
}

void SdlBackend::Beep(UINT) {
    if (m_beep) m_beep();
}
