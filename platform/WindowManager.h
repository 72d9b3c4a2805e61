#pragma once
// The window system: the windows, their classes, the message queue, paint, focus,
// capture, the pointer and the keyboard. The functions of User.h are thin calls into
// the one WindowManager; everything runs on the user-interface thread except posting,
// which any thread may do.
//
// Re-entrancy: every call out to a window procedure may create or destroy windows.
// The manager therefore holds windows by handle and looks each one up afresh after
// every call out; a Window reference never lives across one.

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/InputEvent.h"
#include "platform/Screen.h"
#include "platform/UserTypes.h"
#include "platform/Window.h"

struct WindowClass {
    std::string name;
    UINT style;
    WNDPROC procedure;
    HINSTANCE instance;
    HCURSOR cursor;
};

struct WindowCreation {
    std::string className;
    std::string title;
    DWORD style;
    RECT rect;
    HWND parent;
    LONG_PTR id;
    HINSTANCE instance;
    void* parameter;
};

class WindowManager {
public:
    static WindowManager& Instance();

    // Classes.
    bool RegisterClass(const WindowClass& windowClass);
    bool UnregisterClass(const std::string& name);

    // Windows.
    HWND Create(const WindowCreation& creation);
    bool Destroy(HWND handle);
    Window* Find(HWND handle);
    std::vector<HWND> Children(HWND parent) const;
    std::vector<HWND> TopLevelWindows() const;
    HWND TopLevelOf(HWND handle);
    POINT ClientOrigin(HWND handle);
    bool Move(HWND handle, RECT rect, bool repaint);
    bool Show(HWND handle, int command);
    bool Enable(HWND handle, bool enable);
    bool BringToFront(HWND handle);
    // The deepest enabled, visible window under a screen point, or null.
    HWND WindowFromPoint(POINT screenPoint);

    // Messages.
    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    bool Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    void PostQuit(int exitCode);
    // Sends WM_ENDSESSION (TRUE) to every top-level window, now.
    void EndSession();
    bool Peek(MSG* message, bool remove);
    bool Get(MSG* message);
    void Wait();
    // Takes a waiting message, or waits for one (or for a window to go) and answers false.
    bool PeekOrWait(MSG* message);
    LRESULT Dispatch(const MSG& message);
    // Work that another thread hands to the user-interface thread; it runs the next
    // time the queue is looked at.
    void RunOnInterfaceThread(std::function<void()> work);

    // Paint.
    void Invalidate(HWND handle, const RECT* area, bool erase);
    void Validate(HWND handle);
    HDC BeginPaint(HWND handle, PAINTSTRUCT* paint);
    void EndPaint(HWND handle, const PAINTSTRUCT* paint);
    HDC GetDC(HWND handle);
    int ReleaseDC(HWND handle, HDC dc);
    Screen& TheScreen() { return m_screen; }

    // Focus and capture.
    HWND SetFocus(HWND handle);
    HWND Focus() const { return m_focus; }
    HWND SetCapture(HWND handle);
    bool ReleaseCapture();
    HWND Capture() const { return m_capture; }

    // The pointer.
    HCURSOR SetCursor(HCURSOR cursor);
    HCURSOR CurrentCursor() const { return m_cursor; }
    int ShowCursor(bool show);
    POINT PointerPosition() const { return m_pointer; }
    void SetPointerPosition(POINT screenPoint);
    void ClipPointer(const RECT* area);
    bool TrackLeave(HWND handle, bool cancel);

    // Forgets every window, class and message: a fresh window system for each test.
    void Reset();

private:
    WindowManager();
    HWND NewHandle();
    void WaitSince(uint64_t destroyedBefore);
    const WindowClass* FindClass(const std::string& name) const;
    void DestroyTree(HWND handle);
    void ForgetWindow(HWND handle);
    RECT ScreenRectOf(HWND handle);
    void RefreshScreen(const RECT& screenArea);
    HDC ContextFor(HWND handle, const RECT& clientClip);
    void InvalidateTree(HWND handle, RECT area, bool erase);
    std::optional<MSG> NextPaintMessage();
    HWND FindWindowToPaint(HWND handle);
    void RunHandedWork();
    bool TakeInput(bool remove, MSG* message);
    void Translate(const InputEvent& event);
    void TranslatePointer(const InputEvent& event);
    void TranslateKey(const InputEvent& event);
    void TranslateActivation(bool active);
    void CheckPointerLeave(HWND underPointer);
    bool ReceivesInput(HWND handle);
    MSG MakeMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) const;

    std::map<std::string, WindowClass> m_classes;
    std::map<uintptr_t, std::unique_ptr<Window>> m_windows;  // by handle, in creation order
    std::vector<HWND> m_zOrder;                              // top-level windows, bottom first
    uintptr_t m_nextHandle;
    uint64_t m_destroyedCount = 0;

    mutable std::mutex m_postLock;
    std::deque<MSG> m_posted;
    std::vector<std::function<void()>> m_handedWork;
    std::optional<int> m_quitCode;

    std::deque<MSG> m_input;
    HWND m_focus = nullptr;
    HWND m_capture = nullptr;
    HWND m_leaveTracked = nullptr;
    HCURSOR m_cursor = nullptr;
    int m_cursorCount = 0;
    POINT m_pointer{};
    std::optional<RECT> m_pointerClip;
    WPARAM m_buttons = 0;
    Screen m_screen;
};
