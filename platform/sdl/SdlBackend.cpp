#include "platform/sdl/SdlBackend.h"

#include <SDL2/SDL.h>

#include <algorithm>

#include "platform/Resources.h"
#include "platform/User.h"
#include "platform/sdl/KeyMap.h"
#include "platform/sdl/KeyedPicture.h"
#include "platform/sdl/SdlMessageBox.h"

namespace {

constexpr uint16_t kIconId = 100;
constexpr Uint32 kOpaqueAlpha = 0xFF000000u;

// Set before SDL starts; an environment setting of the same name still wins.
void SetDefaultHints() {
    SDL_SetHintWithPriority(SDL_HINT_MOUSE_AUTO_CAPTURE, "0", SDL_HINT_OVERRIDE);
    SDL_SetHintWithPriority(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1", SDL_HINT_OVERRIDE);
    // Closing the window is a request to the program, never an ending by itself.
    SDL_SetHintWithPriority(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0", SDL_HINT_OVERRIDE);
    // Plain window surfaces: shared memory on X11, much faster than a software GL.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
}

SDL_Surface* SurfaceOf(const CursorImage& image, int scale) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, image.width * scale, image.height * scale, 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
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

std::unique_ptr<SdlBackend> SdlBackend::Open(LONG width, LONG height) {
    SetDefaultHints();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    SDL_Window* window = SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                          SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
    if (window == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SetWindowIcon(window);
    return std::unique_ptr<SdlBackend>(new SdlBackend(window, width, height));
}

SdlBackend::SdlBackend(SDL_Window* window, LONG width, LONG height)
    : m_window(window),
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
    Reveal();
    for (LONG y = top; y < bottom; ++y) std::copy(screen.Row(y) + left, screen.Row(y) + right, m_frame.Row(y) + left);
    Show(RECT{left, top, right, bottom});
}

// A copy of the album that only hands over to a running one never shows anything, so
// its window is never mapped.
void SdlBackend::Reveal() {
    if ((SDL_GetWindowFlags(m_window) & SDL_WINDOW_HIDDEN) == 0) return;
    SDL_ShowWindow(m_window);
    Refit();
}

void SdlBackend::Refit() {
    SDL_Surface* target = SDL_GetWindowSurface(m_window);
    if (target == nullptr) return;
    m_letterbox = Letterbox(m_frame.Width(), m_frame.Height(), target->w, target->h);
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
    const RECT place = m_letterbox.ToWindow(area);
    if (place.left >= place.right || place.top >= place.bottom) return;
    const RECT& picture = m_letterbox.Picture();
    const auto& columns = m_letterbox.SourceColumns();
    const auto& rows = m_letterbox.SourceRows();
    // 32-bit targets take the pixels as they are; any other layout goes through SDL's mapping.
    const Uint32 format = target->format->format;
    const bool direct = format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888;
    const Uint32 alpha = format == SDL_PIXELFORMAT_ARGB8888 ? kOpaqueAlpha : 0;
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    for (LONG y = place.top; y < place.bottom; ++y) {
        const uint32_t* source = m_frame.Row(rows[static_cast<size_t>(y - picture.top)]);
        auto* out = static_cast<Uint8*>(target->pixels) + y * target->pitch;
        for (LONG x = place.left; x < place.right; ++x) {
            const uint32_t rgb = source[columns[static_cast<size_t>(x - picture.left)]];
            if (direct) {
                reinterpret_cast<Uint32*>(out)[x] = rgb | alpha;
            } else {
                const Uint32 mapped = SDL_MapRGB(target->format, static_cast<Uint8>(rgb >> 16),
                                                 static_cast<Uint8>(rgb >> 8), static_cast<Uint8>(rgb));
                SDL_memcpy(out + x * target->format->BytesPerPixel, &mapped, target->format->BytesPerPixel);
            }
        }
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    const SDL_Rect changed{place.left, place.top, place.right - place.left, place.bottom - place.top};
    SDL_UpdateWindowSurfaceRects(m_window, &changed, 1);
}

std::optional<InputEvent> SdlBackend::NextInputEvent() {
    SDL_Event event;
    while (SDL_PollEvent(&event) == 1) {
        if (std::optional<InputEvent> input = Translate(event)) return input;
    }
    return std::nullopt;
}

void SdlBackend::WaitForInput(DWORD milliseconds) {
    SDL_WaitEventTimeout(nullptr, static_cast<int>(std::min<DWORD>(milliseconds, INT32_MAX)));
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
        case SDL_MOUSEMOTION: return PointerEvent(InputEvent::Kind::PointerMove, event.motion.x, event.motion.y);
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT) return std::nullopt;
            const auto kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
            InputEvent input = PointerEvent(kind, event.button.x, event.button.y);
            input.button = event.button.button == SDL_BUTTON_LEFT ? InputEvent::Button::Left : InputEvent::Button::Right;
            return input;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const std::optional<UINT> key = KeyMap::VirtualKey(event.key.keysym.sym);
            if (!key) return std::nullopt;
            InputEvent input{event.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp};
            input.key = *key;
            return input;
        }
        case SDL_WINDOWEVENT: return TranslateWindowEvent(event.window);
        // A request to end from outside (a signal): handled like the window's close.
        case SDL_QUIT: return InputEvent{InputEvent::Kind::Close};
        default: return std::nullopt;  // touch arrives as SDL's mouse events too
    }
}

std::optional<InputEvent> SdlBackend::TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED: {
            InputEvent input{InputEvent::Kind::Activate};
            input.active = true;
            return input;
        }
        case SDL_WINDOWEVENT_FOCUS_LOST: return InputEvent{InputEvent::Kind::Activate};
        case SDL_WINDOWEVENT_MINIMIZED: return InputEvent{InputEvent::Kind::Minimize};
        case SDL_WINDOWEVENT_CLOSE: return InputEvent{InputEvent::Kind::Close};
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_RESTORED: Refit(); return std::nullopt;
        default: return std::nullopt;
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
    const bool hasPicture = m_cursorImage && m_cursorImage->width > 0 && m_cursorImage->height > 0 &&
                            m_cursorImage->pixels.size() ==
                                static_cast<size_t>(m_cursorImage->width) * static_cast<size_t>(m_cursorImage->height);
    if (hasPicture) {
        const RECT& picture = m_letterbox.Picture();
        const int scale = std::max<int>(1, (picture.right - picture.left) / m_frame.Width());
        SDL_Surface* surface = SurfaceOf(*m_cursorImage, scale);
        SDL_Cursor* cursor = surface != nullptr ? SDL_CreateColorCursor(surface, m_cursorImage->hotSpot.x * scale,
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
    const POINT place = m_letterbox.ToWindow(screenPoint);
    SDL_WarpMouseInWindow(m_window, place.x, place.y);
}

void SdlBackend::ConfinePointer(const RECT* area) {
    m_confinement = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    ApplyConfinement();
}

void SdlBackend::ApplyConfinement() {
    if (!m_confinement) {
        SDL_SetWindowMouseRect(m_window, nullptr);
        return;
    }
    const RECT place = m_letterbox.ToWindow(*m_confinement);
    const SDL_Rect rect{place.left, place.top, std::max<LONG>(place.right - place.left, 1),
                        std::max<LONG>(place.bottom - place.top, 1)};
    SDL_SetWindowMouseRect(m_window, &rect);
}

void SdlBackend::RestoreWindow() { SDL_RestoreWindow(m_window); }
void SdlBackend::RaiseWindow() { SDL_RaiseWindow(m_window); }

bool SdlBackend::OpenDisplay() { return true; }
bool SdlBackend::TakeDisplayExclusively() { return true; }

bool SdlBackend::SetDisplayMode(LONG width, LONG height, LONG bitsPerPixel) {
    if (width <= 0 || height <= 0 || bitsPerPixel != 32) return false;
    Reveal();
    // The desktop keeps its own mode; the window covers it and the screen is scaled.
    if (SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
    Refit();
    return true;
}

bool SdlBackend::RestoreDisplayMode() {
    if (SDL_SetWindowFullscreen(m_window, 0) != 0) return false;
    // Without a window manager nobody else gives the window its own size back.
    SDL_SetWindowSize(m_window, m_frame.Width(), m_frame.Height());
    Refit();
    return true;
}

bool SdlBackend::CloseDisplay() { return true; }

std::optional<PrinterDescription> SdlBackend::DefaultPrinter() { return m_printer.DefaultPrinter(); }

bool SdlBackend::ConfirmPrinting(bool landscape) {
    const std::optional<PrinterDescription> printer = m_printer.DefaultPrinter();
    if (!printer) return false;
    const std::string text = "Print the page on the printer \"" + printer->name + "\", " +
                             (landscape ? "landscape" : "portrait") + "?";
    return SdlMessageBox::Show(m_window, text, "Print", MB_OKCANCEL) == IDOK;
}

bool SdlBackend::StartPrintJob(const std::string& documentName) { return m_printer.StartJob(documentName); }
bool SdlBackend::PrintPage(const Surface& page) { return m_printer.PrintPage(page); }
bool SdlBackend::EndPrintJob() { return m_printer.EndJob(); }

int SdlBackend::ShowMessageBox(const std::string& text, const std::string& caption, UINT type) {
    return SdlMessageBox::Show(m_window, text, caption, type);
}

// SDL has no system sounds; the window system's beep stays silent here.
void SdlBackend::Beep(UINT) {}
