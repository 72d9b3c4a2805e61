#pragma once
// The message queue: messages posted from any thread, the quit request, work handed
// over from other threads, and the loop's look at all of them in Windows' order
// (posted messages, the quit request, input, WM_PAINT, then WM_TIMER). Sending calls a
// window's procedure at once.

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/user/UserTypes.h"
#include "platform/user/WindowTable.h"
#include "platform/user/WindowTimers.h"

// What the queue hands out behind the posted messages, and the pointer's place that
// stamps each message: the input router and the painter above it answer these.
struct MessageSources {
    std::function<bool(bool remove, MSG* message)> takeInput;
    std::function<std::optional<MSG>()> nextPaint;
    std::function<POINT()> pointerPosition;
};

class MessageQueue {
public:
    MessageQueue(WindowTable& table, MessageSources sources)
        : m_table(table), m_sources(std::move(sources)) {}

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
    void RunOnInterfaceThread(std::function<void()> work);
    // The window's timer `id`: WM_TIMER every `interval` milliseconds until killed.
    void SetTimer(HWND handle, UINT_PTR id, UINT interval);
    bool KillTimer(HWND handle, UINT_PTR id);
    // A message stamped with the time and the pointer's place, as Windows stamps them.
    MSG MakeMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) const;

    // Drops what waits for a window that is gone, and ends a wait for it.
    void ForgetWindow(HWND handle);
    void Clear();

private:
    void WaitSince(uint64_t destroyedBefore);
    void RunHandedWork();
    bool TakePosted(MSG* message, bool remove);
    bool TakeTimer(MSG* message, bool remove);
    // A wait lasts until input, a post, or the next timer.
    DWORD LongestWait() const;

    WindowTable& m_table;
    MessageSources m_sources;
    uint64_t m_destroyedCount = 0;
    mutable std::mutex m_postLock;
    std::deque<MSG> m_posted;
    std::vector<std::function<void()>> m_handedWork;
    std::optional<int> m_quitCode;
    WindowTimers m_timers;
};
