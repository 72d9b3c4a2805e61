#include "platform/machines/web/WebBackend.h"

#include <emscripten.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/machines/web/CanvasPixels.h"
#include "platform/machines/web/MainLoop.h"
#include "platform/machines/web/WebKeyMap.h"
#include "platform/machines/web/WebMultimedia.h"
#include "platform/user/User.h"

namespace {

// The kinds of input WebBackend.js queues.
enum PageInput {
    kPointerMove = 0,
    kButtonDown = 1,
    kButtonUp = 2,
    kKeyDown = 3,
    kKeyUp = 4,
    kActivate = 5,
    kResize = 7,
    kFingerMove = 10,
    kFingerDown = 11,
    kFingerUp = 12,
};

// The largest cursor picture browsers show, in CSS pixels.
constexpr LONG kLargestCursor = 128;

// clang-format off
EM_JS(void, quillory_start_page, (const char* namedKeys), {
    WebAlbum.start(UTF8ToString(namedKeys));
});

EM_JS(double, quillory_window_width, (), { return window.innerWidth; });
EM_JS(double, quillory_window_height, (), { return window.innerHeight; });
EM_JS(double, quillory_pixel_ratio, (), { return window.devicePixelRatio || 1; });

EM_JS(void, quillory_place_canvas, (double left, double top, double width, double height, int crisp), {
    WebAlbum.place(left, top, width, height, crisp !== 0);
});

EM_JS(void, quillory_draw, (const uint8_t* pixels, int left, int top, int width, int height), {
    WebAlbum.draw(pixels, left, top, width, height);
});

EM_JS(int, quillory_take_input, (void* event), {
    const next = WebAlbum.events.shift();
    if (!next) return 0;
    HEAPF64[event >> 3] = next.x || 0;
    HEAPF64[(event >> 3) + 1] = next.y || 0;
    HEAP32[(event >> 2) + 4] = next.kind;
    HEAP32[(event >> 2) + 5] = next.id || 0;
    stringToUTF8(next.key || "", event + 24, 24);
    return 1;
});

EM_JS(void, quillory_set_cursor, (const uint8_t* pixels, int width, int height, int hotX, int hotY, int scale), {
    if (!pixels) {
        WebAlbum.setCursor('none');
        return;
    }
    const url = WebAlbum.pictureUrl(pixels, width, height, scale);
    WebAlbum.setCursor('url(' + url + ') ' + hotX * scale + ' ' + hotY * scale + ', default');
});

EM_JS(void, quillory_announce_ready, (), {
    window.quillory.readyAt = performance.now();
    window.quillory.ready = true;
    WebAlbum.titleShown();
});

EM_JS(int, quillory_is_stand_in, (int descriptor), {
    return WebAlbum.isStandIn(descriptor) ? 1 : 0;
});
EM_ASYNC_JS(void, quillory_fetch_content, (int descriptor), {
    await WebAlbum.fetchContent(descriptor);
});
EM_JS(int, quillory_is_at_hand, (const char* path), {
    return WebAlbum.isAtHand(UTF8ToString(path)) ? 1 : 0;
});
EM_JS(void, quillory_keep_saves, (), { WebAlbum.keepSaves(); });
EM_JS(int, quillory_saves_may_be_cleared, (), { return WebAlbum.savesKept === false ? 1 : 0; });
EM_JS(void, quillory_set_aside, (int aside), { WebAlbum.setAside(aside !== 0); });
// clang-format on

std::string NamedKeyList() {
    std::string list;
    for (const std::string_view name : WebKeyMap::NamedKeys()) {
        if (!list.empty()) list += '\n';
        list += name;
    }
    return list;
}

}  // namespace

// Laid out as quillory_take_input writes it.
struct WebBackend::PageEvent {
    double x;
    double y;
    int32_t kind;
    int32_t id;
    char key[24];
};

WebBackend::WebBackend(LONG width, LONG height)
    : m_width(width), m_height(height), m_fit(width, height, width, height, 1.0) {
    quillory_start_page(NamedKeyList().c_str());
    Refit();
}

void WebBackend::Refit() {
    m_fit = CanvasFit(m_width, m_height, quillory_window_width(), quillory_window_height(),
                      quillory_pixel_ratio());
    const CanvasFit::Placement& canvas = m_fit.Canvas();
    quillory_place_canvas(canvas.left, canvas.top, canvas.width, canvas.height,
                          m_fit.WholeScale() ? 1 : 0);
    ApplyCursor();
}

void WebBackend::Present(const Surface& screen, const RECT& area) {
    m_screen = &screen;
    m_dirty.Add(area,
                RECT{0, 0, std::min(m_width, screen.Width()), std::min(m_height, screen.Height())});
}

void WebBackend::Flush() {
    const std::optional<RECT> area = m_dirty.Take();
    if (!area || m_screen == nullptr) return;
    const LONG width = area->right - area->left;
    m_rgba.resize(static_cast<size_t>(width * (area->bottom - area->top)) * 4);
    uint8_t* out = m_rgba.data();
    for (LONG y = area->top; y < area->bottom; ++y) {
        const uint32_t* row = m_screen->Row(y);
        for (LONG x = area->left; x < area->right; ++x, out += 4)
            CanvasPixels::PutRgba(row[x], 0xFF, out);
    }
    quillory_draw(m_rgba.data(), area->left, area->top, width, area->bottom - area->top);
    m_presented = true;
}

void WebBackend::Settled() {
    Flush();
    if (m_ready || !m_presented) return;
    m_ready = true;
    quillory_announce_ready();
}

std::optional<InputEvent> WebBackend::NextInputEvent() {
    for (;;) {
        if (std::optional<InputEvent> touch = m_touch.Next()) return touch;
        PageEvent event{};
        static_assert(offsetof(PageEvent, kind) == 16 && offsetof(PageEvent, key) == 24,
                      "quillory_take_input writes these offsets");
        if (quillory_take_input(&event) == 0) return std::nullopt;
        if (std::optional<InputEvent> input = Translate(event)) return input;
    }
}

std::optional<InputEvent> WebBackend::Translate(const PageEvent& event) {
    const POINT point = m_fit.ToScreen(event.x, event.y);
    const POINT pagePoint{static_cast<LONG>(event.x), static_cast<LONG>(event.y)};
    switch (event.kind) {
        case kPointerMove:
        case kButtonDown:
        case kButtonUp: {
            // While a finger is down the pointer is the finger's; the mouse waits.
            if (m_touch.FingerDown()) return std::nullopt;
            InputEvent input{event.kind == kPointerMove  ? InputEvent::Kind::PointerMove
                             : event.kind == kButtonDown ? InputEvent::Kind::ButtonDown
                                                         : InputEvent::Kind::ButtonUp,
                             point};
            input.button = event.id == 1 ? InputEvent::Button::Right : InputEvent::Button::Left;
            return input;
        }
        case kFingerDown:
            m_touch.Down(event.id, point, pagePoint);
            return std::nullopt;
        case kFingerMove:
            m_touch.Move(event.id, point, pagePoint);
            return std::nullopt;
        case kFingerUp:
            m_touch.Up(event.id, point, !m_cursorVisible);
            return std::nullopt;
        case kKeyDown:
        case kKeyUp: {
            const std::optional<UINT> key = WebKeyMap::VirtualKey(event.key);
            if (!key) return std::nullopt;
            InputEvent input{event.kind == kKeyDown ? InputEvent::Kind::KeyDown
                                                    : InputEvent::Kind::KeyUp};
            input.key = *key;
            return input;
        }
        case kActivate: {
            InputEvent input{InputEvent::Kind::Activate};
            input.active = event.id != 0;
            return input;
        }
        case kResize:
            Refit();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void WebBackend::WaitForInput(DWORD milliseconds) {
    Flush();
    MainLoop::Wait(milliseconds, true);
}

void WebBackend::Wake() {
    MainLoop::Wake();
}

void WebBackend::Sleep(DWORD milliseconds) {
    Flush();
    MainLoop::Wait(milliseconds, false);
}

DWORD WebBackend::MillisecondClock() {
    return MainLoop::Now();
}

void WebBackend::SetCursorImage(const CursorImage* image) {
    m_cursorImage = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
    ApplyCursor();
}

void WebBackend::SetCursorVisible(bool visible) {
    m_cursorVisible = visible;
    ApplyCursor();
}

// The picture is scaled with the screen by whole steps, so that it stays crisp, as
// far as browsers show cursors that large; no picture hides the pointer, as a null
// cursor does on Windows.
void WebBackend::ApplyCursor() {
    const bool hasPicture =
        m_cursorImage && m_cursorImage->width > 0 && m_cursorImage->height > 0 &&
        m_cursorImage->pixels.size() ==
            static_cast<size_t>(m_cursorImage->width) * static_cast<size_t>(m_cursorImage->height);
    if (!m_cursorVisible || !hasPicture) {
        quillory_set_cursor(nullptr, 0, 0, 0, 0, 1);
        return;
    }
    const CursorImage& image = *m_cursorImage;
    const LONG largest = std::max(image.width, image.height);
    const LONG fitted = static_cast<LONG>(m_fit.Canvas().width / static_cast<double>(m_width));
    const LONG scale = std::clamp<LONG>(std::min(fitted, kLargestCursor / largest), 1, 8);
    std::vector<uint8_t> rgba(image.pixels.size() * 4);
    for (size_t i = 0; i < image.pixels.size(); ++i)
        CanvasPixels::PutRgba(image.pixels[i], static_cast<uint8_t>(image.pixels[i] >> 24),
                              &rgba[i * 4]);
    quillory_set_cursor(rgba.data(), image.width, image.height, image.hotSpot.x, image.hotSpot.y,
                        scale);
}

void WebBackend::BeforeReading(int hostDescriptor) {
    if (quillory_is_stand_in(hostDescriptor) != 0) quillory_fetch_content(hostDescriptor);
}

bool WebBackend::IsAtHand(const std::string& hostPath) {
    return quillory_is_at_hand(hostPath.c_str()) != 0;
}

std::string WebBackend::SettingsFolder() {
    return "/album";
}

void WebBackend::KeepSaves() {
    quillory_keep_saves();
}

bool WebBackend::SavesMayBeCleared() {
    return quillory_saves_may_be_cleared() != 0;
}

bool WebBackend::QuitReturnsToTitle() {
    return true;
}

void WebBackend::SetAside(bool aside) {
    quillory_set_aside(aside ? 1 : 0);
    WebMultimedia::Instance().SetAside(aside);
}
