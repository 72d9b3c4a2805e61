#include "platform/machines/win32/Win32Backend.h"

#include <algorithm>

#include "platform/kernel/TerminationSignals.h"
#include "platform/user/WindowManager.h"

namespace {

HostWindow::Area AreaOf(const RECT& rect) {
    return HostWindow::Area{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

std::unique_ptr<Win32Backend> Win32Backend::Open(LONG width, LONG height, HostWindow::Kind kind) {
    std::unique_ptr<Win32Backend> backend(new Win32Backend(width, height, kind));
    Win32Backend* self = backend.get();
    HostWindow::Handlers handlers{
        [self](const WindowEvent& event) { self->m_input.Add(event); },
        [self](int32_t windowWidth, int32_t windowHeight) {
            self->Refit(windowWidth, windowHeight);
        },
        [] { WindowManager::Instance().EndSession(); },
    };
    backend->m_window = HostWindow::Open(kTitle, width, height, kind, std::move(handlers));
    if (backend->m_window == nullptr) return nullptr;
    backend->Refit(backend->m_window->Width(), backend->m_window->Height());
    TerminationSignals::Install([] { UserBackendSlot::Current().Wake(); });
    return backend;
}

Win32Backend::Win32Backend(LONG width, LONG height, HostWindow::Kind kind)
    : Win32Printer([this] { return m_window != nullptr ? m_window->SystemHandle() : nullptr; }),
      m_frame(width, height),
      m_letterbox(width, height, width, height),
      m_input(
          m_letterbox, m_touch, [this] { return !m_cursorVisible; }, [this] { ApplyConfinement(); },
          kind == HostWindow::Kind::Window
              ? std::function<void()>([this] { m_window->ToggleFullScreen(); })
              : nullptr) {
    m_frame.Fill(0);
}

void Win32Backend::Present(const Surface& screen, const RECT& area) {
    const RECT copied = m_frame.CopyFrom(screen, area);
    if (copied.left >= copied.right) return;
    // The picture is kept up to date; a hidden window is drawn whole when it is shown.
    const RECT place = m_letterbox.Touched(copied);
    Scale(place);
    if (!m_window->Hidden()) m_window->Show(AreaOf(place));
}

// The desktop's smooth scaling (Letterbox) makes the window's pixels; GDI only copies them.
void Win32Backend::Scale(const RECT& place) {
    const RECT& picture = m_letterbox.Picture();
    const auto width = static_cast<size_t>(picture.right - picture.left);
    for (LONG y = place.top; y < place.bottom; ++y) {
        uint32_t* row = m_picture.data() + static_cast<size_t>(y - picture.top) * width +
                        static_cast<size_t>(place.left - picture.left);
        m_letterbox.ScaleRow(m_frame, y, place.left, place.right, row);
    }
}

std::optional<InputEvent> Win32Backend::NextInputEvent() {
    m_window->Pump();
    return m_input.Next();
}

void Win32Backend::WaitForInput(DWORD milliseconds) {
    m_window->Wait(milliseconds);
}

// Until the program first has nothing left to handle, it is still drawing its first
// screen: showing the window earlier would show it black or half drawn. A copy that
// only hands over to a running one never gets there, so its window never shows. Only
// the first time: a window hidden later was minimised, the user's business.
void Win32Backend::Settled() {
    if (m_revealed) return;
    m_revealed = true;
    m_window->Reveal();
}

void Win32Backend::Wake() {
    m_window->Wake();
}

void Win32Backend::Refit(int32_t windowWidth, int32_t windowHeight) {
    // A box shown alone lies at the screen's top left corner: only its part is fitted.
    const LONG shownWidth = m_only ? m_only->right : m_frame.Width();
    const LONG shownHeight = m_only ? m_only->bottom : m_frame.Height();
    m_letterbox = Letterbox(shownWidth, shownHeight, windowWidth, windowHeight);
    const RECT& picture = m_letterbox.Picture();
    m_picture.assign(static_cast<size_t>(picture.right - picture.left) *
                         static_cast<size_t>(picture.bottom - picture.top),
                     0);
    Scale(picture);
    if (m_window == nullptr) return;
    m_window->SetPicture(HostWindow::Picture{m_picture.data(), AreaOf(picture)});
    ApplyCursor();
    ApplyConfinement();
}

void Win32Backend::SetCursorImage(const CursorImage* image) {
    m_cursor = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
    ApplyCursor();
}

void Win32Backend::SetCursorVisible(bool visible) {
    m_cursorVisible = visible;
    m_window->SetCursorVisible(visible);
}

// The picture grows with the screen by whole steps, so that it stays crisp.
void Win32Backend::ApplyCursor() {
    const bool hasPicture = m_cursor && m_cursor->width > 0 && m_cursor->height > 0 &&
                            m_cursor->pixels.size() == static_cast<size_t>(m_cursor->width) *
                                                           static_cast<size_t>(m_cursor->height);
    if (!hasPicture) {
        m_window->SetCursor(nullptr, 0, 0, 0, 0, 1);
        return;
    }
    const RECT& picture = m_letterbox.Picture();
    const LONG scale = std::max<LONG>(1, (picture.right - picture.left) / m_frame.Width());
    m_window->SetCursor(m_cursor->pixels.data(), m_cursor->width, m_cursor->height,
                        m_cursor->hotSpot.x, m_cursor->hotSpot.y, scale);
}

void Win32Backend::WarpPointer(POINT screenPoint) {
    if (m_touch.FingerDown()) return;
    const POINT place = m_letterbox.ToWindow(screenPoint);
    m_window->MovePointer(place.x, place.y);
}

void Win32Backend::ConfinePointer(const RECT* area) {
    m_confinement = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    ApplyConfinement();
}

// Nothing holds back a finger's pointer.
void Win32Backend::ApplyConfinement() {
    if (m_window == nullptr) return;
    if (!m_confinement || m_touch.FingerDown()) {
        m_window->Confine(nullptr);
        return;
    }
    const HostWindow::Area area = AreaOf(m_letterbox.ToWindow(*m_confinement));
    m_window->Confine(&area);
}

void Win32Backend::RestoreWindow() {
    m_window->Restore();
}

void Win32Backend::RaiseWindow() {
    m_window->Raise();
}

// A box before the album's own window: a small ordinary window, centred, showing just
// the box; afterwards the window takes its own kind and place again, hidden until the
// album's next screen is ready.
void Win32Backend::ShowOnly(const RECT* area) {
    m_only = area != nullptr ? std::optional<RECT>(*area) : std::nullopt;
    if (m_only) {
        m_window->ShowAlone(m_only->right - m_only->left, m_only->bottom - m_only->top);
    } else {
        m_window->Hide();
        m_revealed = false;
        m_window->ShowWhole();
    }
    Refit(m_window->Width(), m_window->Height());
}

void Win32Backend::Beep(UINT) {
    if (m_beep) m_beep();
}
