#pragma once
// The window system: the windows, their classes, the message queue, paint, focus,
// capture, the pointer and the keyboard. The functions of User.h are thin calls into
// the one WindowManager; everything runs on the user-interface thread except posting,
// which any thread may do.
//
// The manager is the house of five rooms, each holding one concern: the window tree,
// the message queue, input routing, painting, and focus and the pointer. Its calls
// hand each request to the room that holds it; the rooms reach one another through it.
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
#include "platform/user/WindowTree.h"

class WindowManager {
public:
    static WindowManager& Instance();

    // Classes.
    bool RegisterClass(const WindowClass& windowClass) { return m_tree.RegisterClass(windowClass); }
    bool UnregisterClass(const std::string& name) { return m_tree.UnregisterClass(name); }

    // Windows.
    HWND Create(const WindowCreation& creation) { return m_tree.Create(creation); }
    bool Destroy(HWND handle) { return m_tree.Destroy(handle); }
    Window* Find(HWND handle) { return m_tree.Find(handle); }
    std::vector<HWND> Children(HWND parent) const { return m_tree.Children(parent); }
    std::vector<HWND> TopLevelWindows() const { return m_tree.TopLevelWindows(); }
    HWND TopLevelOf(HWND handle) { return m_tree.TopLevelOf(handle); }
    POINT ClientOrigin(HWND handle) { return m_tree.ClientOrigin(handle); }
    bool Move(HWND handle, RECT rect, bool repaint) { return m_tree.Move(handle, rect, repaint); }
    bool Show(HWND handle, int command) { return m_tree.Show(handle, command); }
    bool Enable(HWND handle, bool enable) { return m_tree.Enable(handle, enable); }
    bool BringToFront(HWND handle) { return m_tree.BringToFront(handle); }
    // The deepest enabled, visible window under a screen point, or null.
    HWND WindowFromPoint(POINT screenPoint) { return m_tree.WindowFromPoint(screenPoint); }

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
    void Validate(HWND handle) { m_painter.Validate(handle); }
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

    // The pointer.
    HCURSOR SetCursor(HCURSOR cursor) { return m_focusAndPointer.SetCursor(cursor); }
    HCURSOR CurrentCursor() const { return m_focusAndPointer.CurrentCursor(); }
    int ShowCursor(bool show) { return m_focusAndPointer.ShowCursor(show); }
    POINT PointerPosition() const { return m_focusAndPointer.PointerPosition(); }
    void SetPointerPosition(POINT screenPoint) {
        m_focusAndPointer.SetPointerPosition(screenPoint);
    }
    void ClipPointer(const RECT* area) { m_focusAndPointer.ClipPointer(area); }
    bool TrackLeave(HWND handle, bool cancel) {
        return m_focusAndPointer.TrackLeave(handle, cancel);
    }

    // Forgets every window, class and message: a fresh window system for each test.
    void Reset();

private:
    // The rooms reach one another through the manager.
    friend class WindowTree;
    friend class MessageQueue;
    friend class InputRouter;
    friend class WindowPainter;
    friend class FocusAndPointer;

    WindowManager();
    WindowTree& Tree() { return m_tree; }
    MessageQueue& Queue() { return m_queue; }
    InputRouter& Router() { return m_router; }
    WindowPainter& Painter() { return m_painter; }
    FocusAndPointer& Pointer() { return m_focusAndPointer; }
    // A window is gone: every room drops what it kept of it.
    void ForgetWindow(HWND handle);

    WindowTree m_tree;
    MessageQueue m_queue;
    InputRouter m_router;
    WindowPainter m_painter;
    FocusAndPointer m_focusAndPointer;
};
