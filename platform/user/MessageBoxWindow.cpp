#include "platform/user/MessageBoxWindow.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>

#include "platform/gdi/DeviceContext.h"
#include "platform/user/AlbumColours.h"
#include "platform/user/Dialog.h"
#include "platform/user/GlyphFont.h"
#include "platform/user/OtherWindowsDisabled.h"
#include "platform/user/PanelFill.h"
#include "platform/user/ResourcePicture.h"
#include "platform/user/ScreenSize.h"
#include "platform/user/User.h"
#include "platform/user/UserBackend.h"
#include "platform/user/WindowManager.h"

namespace {

using AlbumColours::kBlue;
using AlbumColours::kCream;
using AlbumColours::kInk;
using AlbumColours::kOrange;
using AlbumColours::kRed;

// The box's measures in screen pixels; every one is even, as dialog units are 2 pixels.
constexpr LONG kWidth = 600;
constexpr LONG kBorder = 10;
constexpr LONG kRadius = 26;
constexpr LONG kOutline = 4;
constexpr LONG kPadding = 30;
constexpr LONG kTextGap = 12;
constexpr LONG kButtonGap = 24;
constexpr LONG kButtonWidth = 128;
constexpr LONG kButtonHeight = 50;
constexpr LONG kButtonSpacing = 40;
// The tallest box leaves the screen's edges free; longer texts end with "...".
constexpr LONG kMaxHeight = kScreenHeight - 40;

const std::optional<GlyphFont>& TextLetters() {
    static const std::optional<GlyphFont> letters = GlyphFont::Load("MessageLetters");
    return letters;
}

const std::optional<GlyphFont>& TitleLetters() {
    static const std::optional<GlyphFont> letters = GlyphFont::Load("MessageTitleLetters");
    return letters;
}

LONG LineHeightOf(const std::optional<GlyphFont>& letters) {
    return letters ? letters->LineHeight() : 0;
}

std::vector<std::string> WrapWith(const std::optional<GlyphFont>& letters,
                                  const std::string& text) {
    if (!letters) return {};
    return letters->Wrap(text, kWidth - 2 * kPadding);
}

LONG Even(LONG pixels) {
    return pixels + (pixels & 1);
}

std::map<HWND, MessageBoxWindow*>& OpenBoxes() {
    static std::map<HWND, MessageBoxWindow*> boxes;
    return boxes;
}

// Each line centred across the box, one below the other from `top`.
// Where the caption's ink outline is drawn around each of its letters, before them.
constexpr POINT kCaptionOutline[] = {{-2, -2}, {0, -2}, {2, -2}, {-2, 0},
                                     {2, 0},   {-2, 2}, {0, 2},  {2, 2}};

LONG DrawLines(Surface& surface, const RECT& clip, const GlyphFont& letters, POINT origin, LONG top,
               const std::vector<std::string>& lines, uint32_t colour, bool outlined) {
    for (const std::string& line : lines) {
        const POINT at{origin.x + (kWidth - letters.Width(line)) / 2, origin.y + top};
        for (const POINT offset : outlined ? std::span(kCaptionOutline) : std::span<const POINT>())
            letters.Draw(surface, POINT{at.x + offset.x, at.y + offset.y}, clip, line, kInk);
        letters.Draw(surface, at, clip, line, colour);
        top += letters.LineHeight();
    }
    return top;
}

bool AnyWindowOnShow() {
    for (const HWND top : WindowManager::Instance().TopLevelWindows()) {
        if (IsWindowVisible(top)) return true;
    }
    return false;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(std::string text, std::string caption, UINT type)
    : m_text(std::move(text)), m_caption(std::move(caption)), m_type(type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            m_buttons = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
            break;
        case MB_YESNO:
            m_buttons = {{IDYES, "YES"}, {IDNO, "NO"}};
            break;
        default:
            m_buttons = {{IDOK, "OK"}};
            break;
    }
    Layout();
}

int MessageBoxWindow::EscapeAnswer() const {
    return m_buttons.back().id;
}

// Enter comes as IDOK and Escape as IDCANCEL, whatever the buttons are; a button's
// own click comes with its id.
int MessageBoxWindow::AnswerFor(int command) const {
    for (const Button& button : m_buttons) {
        if (button.id == command) return command;
    }
    if (command == IDOK) return m_buttons.front().id;
    if (command == IDCANCEL) return EscapeAnswer();
    return 0;
}

uint32_t MessageBoxWindow::ThemeColour() const {
    // MB_ICONEXCLAMATION holds the MB_ICONHAND bit, so it is checked first.
    if ((m_type & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION) return kOrange;
    if ((m_type & MB_ICONHAND) == MB_ICONHAND) return kRed;
    return kBlue;
}

void MessageBoxWindow::Layout() {
    m_captionLines = WrapWith(TitleLetters(), m_caption);
    m_lines = WrapWith(TextLetters(), m_text);
    const LONG fixed = kPadding +
                       LineHeightOf(TitleLetters()) * static_cast<LONG>(m_captionLines.size()) +
                       kTextGap + kButtonGap + kButtonHeight + kPadding;
    const LONG lineHeight = std::max<LONG>(LineHeightOf(TextLetters()), 1);
    const auto room = static_cast<size_t>(std::max<LONG>((kMaxHeight - fixed) / lineHeight, 1));
    if (m_lines.size() > room) {
        m_lines.resize(room);
        m_lines.back() += "...";
    }
    m_size = SIZE{kWidth, Even(fixed + lineHeight * static_cast<LONG>(m_lines.size()))};
}

std::vector<RECT> MessageBoxWindow::ButtonPlaces() const {
    const auto count = static_cast<LONG>(m_buttons.size());
    const LONG row = count * kButtonWidth + (count - 1) * kButtonSpacing;
    LONG left = (m_size.cx - row) / 2;
    const LONG top = m_size.cy - kPadding - kButtonHeight;
    std::vector<RECT> places;
    for (LONG i = 0; i < count; ++i) {
        places.push_back(RECT{left, top, left + kButtonWidth, top + kButtonHeight});
        left += kButtonWidth + kButtonSpacing;
    }
    return places;
}

int MessageBoxWindow::Run(HWND owner) {
    if (!IsWindow(owner)) owner = nullptr;
    const bool alone = !AnyWindowOnShow();
    const POINT place =
        alone ? POINT{0, 0}
              : POINT{(kScreenWidth - m_size.cx) / 2, (kScreenHeight - m_size.cy) / 2};
    DialogLayout layout{WS_POPUP,
                        static_cast<int16_t>(place.x / 2),
                        static_cast<int16_t>(place.y / 2),
                        static_cast<int16_t>(m_size.cx / 2),
                        static_cast<int16_t>(m_size.cy / 2),
                        {}};
    const std::vector<RECT> places = ButtonPlaces();
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        const RECT& button = places[i];
        layout.items.push_back(DialogItem{
            "button", m_buttons[i].id, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
            static_cast<int16_t>(button.left / 2), static_cast<int16_t>(button.top / 2),
            static_cast<int16_t>(kButtonWidth / 2), static_cast<int16_t>(kButtonHeight / 2)});
    }
    const HWND focus = GetFocus();
    const RECT shown{place.x, place.y, place.x + m_size.cx, place.y + m_size.cy};
    if (alone) UserBackendSlot::Current().ShowOnly(&shown);
    UserBackendSlot::Current().MessageBoxOpened(m_text, m_caption, m_type);
    INT_PTR answer = -1;
    {
        const OtherWindowsDisabled others(owner);
        answer = DialogBoxLayout(ProgramInstance(), layout, owner, Procedure,
                                 reinterpret_cast<LPARAM>(this));
    }
    if (alone) UserBackendSlot::Current().ShowOnly(nullptr);
    if (IsWindow(focus) && GetFocus() == nullptr) SetFocus(focus);
    return answer > 0 ? static_cast<int>(answer) : EscapeAnswer();
}

INT_PTR MessageBoxWindow::Procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) OpenBoxes()[box] = reinterpret_cast<MessageBoxWindow*>(lParam);
    const auto found = OpenBoxes().find(box);
    if (found == OpenBoxes().end()) return FALSE;
    MessageBoxWindow* self = found->second;
    if (message == WM_NCDESTROY) OpenBoxes().erase(found);
    return self->Handle(box, message, wParam, lParam);
}

INT_PTR MessageBoxWindow::Handle(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_ERASEBKGND:
            DrawFace(reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_DRAWITEM:
            if (lParam != 0) DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND: {
            const int answer = AnswerFor(LOWORD(wParam));
            if (answer == 0) return FALSE;
            EndDialog(box, answer);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

void MessageBoxWindow::DrawFace(HDC dc) const {
    if (dc == nullptr || dc->surface == nullptr) return;
    Surface& surface = *dc->surface;
    const POINT origin = dc->origin;
    const RECT clip = dc->clip;
    const RECT whole{origin.x, origin.y, origin.x + m_size.cx, origin.y + m_size.cy};
    FillArea(surface, clip, whole, ThemeColour());
    const RECT outline{whole.left + kBorder, whole.top + kBorder, whole.right - kBorder,
                       whole.bottom - kBorder};
    FillRounded(surface, clip, outline, kRadius, kInk);
    const RECT panel{outline.left + kOutline, outline.top + kOutline, outline.right - kOutline,
                     outline.bottom - kOutline};
    FillRounded(surface, clip, panel, kRadius - kOutline, kCream);
    LONG top = kPadding;
    if (TitleLetters())
        top = DrawLines(surface, clip, *TitleLetters(), origin, top, m_captionLines, ThemeColour(),
                        true);
    if (TextLetters())
        DrawLines(surface, clip, *TextLetters(), origin, top + kTextGap, m_lines, kInk, false);
    MarkDrawn(dc, whole);
}

void MessageBoxWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    if (dc == nullptr || dc->surface == nullptr) return;
    const auto id = static_cast<int>(item.CtlID);
    const auto button = std::find_if(m_buttons.begin(), m_buttons.end(),
                                     [id](const Button& b) { return b.id == id; });
    if (button == m_buttons.end()) return;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    const std::optional<Surface> picture =
        ResourcePicture::Load(std::string(button->pictures) + (down ? "ButtonDown" : "ButtonUp"));
    if (!picture) return;
    const POINT at{dc->origin.x + item.rcItem.left, dc->origin.y + item.rcItem.top};
    RECT area{at.x, at.y, at.x + picture->Width(), at.y + picture->Height()};
    if (!IntersectRect(&area, &area, &dc->clip)) return;
    for (LONG y = area.top; y < area.bottom; ++y) {
        const uint32_t* from = picture->Row(y - at.y) + (area.left - at.x);
        std::copy(from, from + (area.right - area.left), dc->surface->Row(y) + area.left);
    }
    MarkDrawn(dc, area);
}

// The message box function of the window system, with the box above.
int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
    const std::string words = text != nullptr ? text : "";
    const std::string title = caption != nullptr ? caption : "Error";
    if (UserBackendSlot::Current().TellWithoutDisplay(words, title))
        return DefaultMessageBoxAnswer(type);
    return MessageBoxWindow(words, title, type).Run(owner);
}

int DefaultMessageBoxAnswer(UINT type) {
    return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

BOOL MessageBeep(UINT type) {
    UserBackendSlot::Current().Beep(type);
    return TRUE;
}
