#include "tests/platform/user/WindowFixture.h"

#include <algorithm>
#include <sstream>

#include "diag/TextFormat.h"
#include "platform/kernel/Clock.h"
#include "platform/user/WindowManager.h"

std::map<UINT, std::function<LRESULT(HWND, WPARAM, LPARAM)>> WindowFixture::s_handlers;

namespace {

std::map<HWND, std::string> g_names;
std::vector<std::pair<UINT, std::string>> g_trace;

// The traced messages by name, each spelt as in the source; others show as their number.
std::map<UINT, std::string> Named(const std::vector<UINT>& messages, std::string names) {
    std::erase(names, ' ');
    std::istringstream words(names);
    std::map<UINT, std::string> named;
    for (const UINT message : messages) std::getline(words, named[message], ',');
    return named;
}
#define NAMED(...) Named({__VA_ARGS__}, #__VA_ARGS__)
const std::map<UINT, std::string> kMessageNames = NAMED(
    WM_CREATE, WM_DESTROY, WM_SIZE, WM_SETFOCUS, WM_KILLFOCUS, WM_ENABLE, WM_PAINT, WM_CLOSE,
    WM_ERASEBKGND, WM_ACTIVATEAPP, WM_SETCURSOR, WM_DRAWITEM, WM_NCDESTROY, WM_KEYDOWN, WM_KEYUP,
    WM_CHAR, WM_INITDIALOG, WM_COMMAND, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN,
    WM_CAPTURECHANGED, WM_MOUSELEAVE, BM_SETSTATE, WM_TIMER, WM_USER, WM_USER + 1, WM_USER + 2);
#undef NAMED

std::string NameOf(HWND window) {
    const auto found = g_names.find(window);
    return found != g_names.end() ? found->second : (window == nullptr ? "null" : "?");
}

std::string DrawItemDetails(LPARAM lParam) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    std::string text = FormatText(" %u", item->CtlID);
    if ((item->itemAction & ODA_DRAWENTIRE) != 0) text += " ODA_DRAWENTIRE";
    if ((item->itemAction & ODA_SELECT) != 0) text += " ODA_SELECT";
    if ((item->itemAction & ODA_FOCUS) != 0) text += " ODA_FOCUS";
    if ((item->itemState & ODS_SELECTED) != 0) text += " ODS_SELECTED";
    if ((item->itemState & ODS_FOCUS) != 0) text += " ODS_FOCUS";
    return text;
}

// One traced message: who got it and what it was.
std::string Describe(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto name = kMessageNames.find(message);
    std::string text = NameOf(window) + " " +
                       (name != kMessageNames.end() ? name->second : FormatText("0x%04X", message));
    switch (message) {
        case WM_DRAWITEM:
            return text + DrawItemDetails(lParam);
        case WM_COMMAND:
            return text + FormatText(" %u %u", LOWORD(wParam), HIWORD(wParam));
        case BM_SETSTATE:
        case WM_ACTIVATEAPP:
            return text + (wParam != 0 ? " TRUE" : " FALSE");
        case WM_TIMER:
            return text + FormatText(" %u @%u", static_cast<unsigned>(wParam), timeGetTime());
        case WM_KEYDOWN:
        case WM_CHAR:
            return text + FormatText(" %u", static_cast<unsigned>(wParam));
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            return text + " " + NameOf(reinterpret_cast<HWND>(wParam));
        case WM_CAPTURECHANGED:
            return text + " " + NameOf(reinterpret_cast<HWND>(lParam));
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return text + FormatText(" %d,%d", LParamToPoint(lParam).x, LParamToPoint(lParam).y);
        default:
            return text;
    }
}

LRESULT TracedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_trace.emplace_back(message, Describe(window, message, wParam, lParam));
    const auto handler = WindowFixture::s_handlers.find(message);
    return handler != WindowFixture::s_handlers.end()
               ? handler->second(window, wParam, lParam)
               : DefWindowProcA(window, message, wParam, lParam);
}

// A button's own procedure wrapped so that its messages are traced too.
WNDPROC g_buttonProc = nullptr;
LRESULT TracedButtonProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_trace.emplace_back(message, Describe(window, message, wParam, lParam));
    return CallWindowProcA(g_buttonProc, window, message, wParam, lParam);
}

}  // namespace

WindowFixture::WindowFixture() {
    WindowManager::Instance().Reset();
    machine.Reset();
    machine.SetVirtualClock(0);
    g_names.clear();
    g_trace.clear();
    s_handlers.clear();
    WNDCLASSEXA traced{};
    traced.cbSize = sizeof(traced);
    traced.lpfnWndProc = TracedProc;
    traced.hInstance = ProgramInstance();
    traced.lpszClassName = "Traced";
    RegisterClassExA(&traced);
}

WindowFixture::~WindowFixture() {
    if (HasFailure())
        machine.SaveScreen(testing::UnitTest::GetInstance()->current_test_info()->name() +
                           std::string(".png"));
    WindowManager::Instance().Reset();
    machine.Reset();
}

HWND WindowFixture::MakeWindow(const std::string& name, RECT place, HWND parent, DWORD style,
                               const char* className, int id) {
    const HWND window = CreateWindowExA(0, className, name.c_str(), style, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, parent,
                                        reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)),
                                        ProgramInstance(), nullptr);
    g_names[window] = name;
    return window;
}

HWND WindowFixture::MakeButton(const std::string& name, int id, RECT place, HWND parent) {
    const HWND button =
        MakeWindow(name, place, parent, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, "button", id);
    g_buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(button, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&TracedButtonProc)));
    return button;
}

Strings WindowFixture::TakeTrace(const std::vector<UINT>& listed, bool keepListed) {
    Strings kept;
    for (const auto& [message, text] : g_trace)
        if ((std::find(listed.begin(), listed.end(), message) != listed.end()) == keepListed)
            kept.push_back(text);
    g_trace.clear();
    return kept;
}
