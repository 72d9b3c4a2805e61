#pragma once
// The window system: the windows, their classes, the message queue, paint, focus,
// capture, the pointer and the keyboard. The functions of User.h are thin calls into
// the one WindowManager; everything runs on the user-interface thread except posting,
// which any thread may do.
//
// The manager is the house of six rooms, each holding one concern, each handed the
// rooms below it that it uses: the window table (the windows as data), the message
// queue, focus and the pointer, painting, the window tree's changes, and input routing
// on top. Its calls hand each request to the room that holds it. The two things a lower
// room asks of a higher one (the queue's input and paint messages, and a window's end)
// it is handed as callbacks that the manager fills in.
//
// Re-entrancy: every call out to a window procedure may create or destroy windows.
// The rooms therefore hold windows by handle and look each one up afresh after every
// call out; a Window reference never lives across one.

#include <functional>
#include <string>
#include <vector>

#include "platform/user/FocusAndPointer.h"
#include "platform/user/InputRouter.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Screen.h"
#include "platform/user/UserTypes.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPainter.h"
#include "platform/user/WindowTable.h"
#include "platform/user/WindowTree.h"

class WindowManager {
public:
    static WindowManager& Instance();

    // Classes.
    bool RegisterClass(const WindowClass& windowClass) {
        return m_table.RegisterClass(windowClass);
    }
    void AddStandardClass(const WindowClass& windowClass) { m_table.AddStandardClass(windowClass); }
    bool UnregisterClass(const std::string& name) { return m_table.UnregisterClass(name); }

    // Windows.
    HWND Create(const WindowCreation& creation) { return m_tree.Create(creation); }
    bool Destroy(HWND handle) { return m_tree.Destroy(handle); }
    Window* Find(HWND handle) { return m_table.Find(handle); }
    // The window of a handle; null, with the last error set, when there is none.
    Window* Known(HWND handle);
    std::vector<HWND> Children(HWND parent) const { return m_table.Children(parent); }
    std::vector<HWND> TopLevelWindows() const { return m_table.TopLevelWindows(); }
    POINT ClientOrigin(HWND handle) { return m_table.ClientOrigin(handle); }
    bool Move(HWND handle, RECT rect, bool repaint) { return m_tree.Move(handle, rect, repaint); }
    bool Show(HWND handle, int command) { return m_tree.Show(handle, command); }
    bool Enable(HWND handle, bool enable) { return m_tree.Enable(handle, enable); }
    bool BringToFront(HWND handle) { return m_tree.BringToFront(handle); }

    // Messages.
    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
        return m_queue.Send(handle, message, wParam, lParam);
    }
    bool Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
        return m_queue.Post(handle, message, wParam, lParam);
    }
    void PostQuit(int exitCode) { m_queue.PostQuit(exitCode); }
    // Sends WM_ENDSESSION (TRUE) to every top-level window, now.
    void EndSession() { m_queue.EndSession(); }
    bool Peek(MSG* message, bool remove) { return m_queue.Peek(message, remove); }
    void SetTimer(HWND handle, UINT_PTR id, UINT interval) {
        m_queue.SetTimer(handle, id, interval);
    }
    bool KillTimer(HWND handle, UINT_PTR id) { return m_queue.KillTimer(handle, id); }
    bool Get(MSG* message) { return m_queue.Get(message); }
    void Wait() { m_queue.Wait(); }
    // Takes a waiting message, or waits for one (or for a window to go) and answers false.
    bool PeekOrWait(MSG* message) { return m_queue.PeekOrWait(message); }
    LRESULT Dispatch(const MSG& message) { return m_queue.Dispatch(message); }
    // Work that another thread hands to the user-interface thread; it runs the next
    // time the queue is looked at.
    void RunOnInterfaceThread(std::function<void()> work) {
        m_queue.RunOnInterfaceThread(std::move(work));
    }

    // Paint.
    void Invalidate(HWND handle, const RECT* area, bool erase) {
        m_painter.Invalidate(handle, area, erase);
    }
    HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) { return m_painter.BeginPaint(handle, paint); }
    void EndPaint(HWND handle, const PAINTSTRUCT* paint) { m_painter.EndPaint(handle, paint); }
    HDC GetDC(HWND handle) { return m_painter.GetDC(handle); }
    int ReleaseDC(HWND handle, HDC dc) { return m_painter.ReleaseDC(handle, dc); }
    Screen& TheScreen() { return m_painter.TheScreen(); }

    // Focus and capture.
    HWND SetFocus(HWND handle) { return m_focusAndPointer.SetFocus(handle); }
    HWND Focus() const { return m_focusAndPointer.Focus(); }
    HWND SetCapture(HWND handle) { return m_focusAndPointer.SetCapture(handle); }
    bool ReleaseCapture() { return m_focusAndPointer.ReleaseCapture(); }
    HWND Capture() const { return m_focusAndPointer.Capture(); }

    bool IsKeyDown(UINT virtualKey) const { return m_router.IsKeyDown(virtualKey); }

    // The pointer.
    HCURSOR SetCursor(HCURSOR cursor) { return m_focusAndPointer.SetCursor(cursor); }
    HCURSOR CurrentCursor() const { return m_focusAndPointer.CurrentCursor(); }
    int ShowCursor(bool show) { return m_focusAndPointer.ShowCursor(show); }
    POINT PointerPosition() const { return m_focusAndPointer.PointerPosition(); }
    void SetPointerPosition(POINT screenPoint) { m_router.WarpPointer(screenPoint); }
    void ClipPointer(const RECT* area) { m_focusAndPointer.ClipPointer(area); }
    bool TrackLeave(HWND handle, bool cancel) {
        return m_focusAndPointer.TrackLeave(handle, cancel);
    }

    // Forgets every window, class and message: a fresh window system for each test.
    void Reset();

private:
    WindowManager();
    // A window is gone: every room drops what it kept of it.
    void ForgetWindow(HWND handle);

    WindowTable m_table;
    MessageQueue m_queue;
    FocusAndPointer m_focusAndPointer;
    WindowPainter m_painter;
    WindowTree m_tree;
    InputRouter m_router;
};
