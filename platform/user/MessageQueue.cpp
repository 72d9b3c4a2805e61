#include "platform/user/MessageQueue.h"

#include "platform/kernel/Kernel.h"
#include "platform/kernel/KernelBackend.h"
#include "platform/user/UserBackend.h"

namespace {

// Waiting for input has no end of its own: posting from another thread wakes it.
constexpr DWORD kWaitForever = 0xFFFFFFFF;

DWORD Now() {
    return KernelBackendSlot::Current().MillisecondClock();
}

}  // namespace

LRESULT MessageQueue::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const Window* window = m_table.Find(handle);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    return window->procedure(handle, message, wParam, lParam);
}

MSG MessageQueue::MakeMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) const {
    return MSG{handle, message, wParam, lParam, Now(), m_sources.pointerPosition()};
}

bool MessageQueue::Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG posted = MakeMessage(handle, message, wParam, lParam);
    {
        std::lock_guard lock(m_postLock);
        m_posted.push_back(posted);
    }
    UserBackendSlot::Current().Wake();
    return true;
}

void MessageQueue::PostQuit(int exitCode) {
    {
        std::lock_guard lock(m_postLock);
        m_quitCode = exitCode;
    }
    UserBackendSlot::Current().Wake();
}

// As Windows does at a logout: every top-level window hears at once that the session
// ends, whatever modal loop runs, so that the program saves before the process ends.
void MessageQueue::EndSession() {
    for (const HWND top : m_table.TopLevelWindows()) {
        if (m_table.Find(top) != nullptr) Send(top, WM_ENDSESSION, TRUE, 0);
    }
}

void MessageQueue::RunOnInterfaceThread(std::function<void()> work) {
    {
        std::lock_guard lock(m_postLock);
        m_handedWork.push_back(std::move(work));
    }
    UserBackendSlot::Current().Wake();
}

void MessageQueue::RunHandedWork() {
    std::vector<std::function<void()>> work;
    {
        std::lock_guard lock(m_postLock);
        work.swap(m_handedWork);
    }
    for (auto& item : work) item();
}

void MessageQueue::SetTimer(HWND handle, UINT_PTR id, UINT interval) {
    m_timers.Set(handle, id, interval, Now());
}

bool MessageQueue::KillTimer(HWND handle, UINT_PTR id) {
    return m_timers.Kill(handle, id);
}

// The order is Windows' own: posted messages, then the quit request, then input,
// WM_PAINT only when nothing else waits, and a due timer after that.
bool MessageQueue::Peek(MSG* message, bool remove) {
    RunHandedWork();
    if (TakePosted(message, remove)) return true;
    if (m_sources.takeInput(remove, message)) return true;
    if (const auto paint = m_sources.nextPaint()) {
        *message = *paint;
        return true;
    }
    if (TakeTimer(message, remove)) return true;
    UserBackendSlot::Current().Settled();
    return false;
}

bool MessageQueue::TakeTimer(MSG* message, bool remove) {
    const auto due = m_timers.TakeDue(Now(), remove);
    if (!due) return false;
    *message = MakeMessage(due->window, WM_TIMER, due->id, 0);
    return true;
}

DWORD MessageQueue::LongestWait() const {
    return m_timers.UntilNextDue(Now()).value_or(kWaitForever);
}

bool MessageQueue::TakePosted(MSG* message, bool remove) {
    std::lock_guard lock(m_postLock);
    if (!m_posted.empty()) {
        *message = m_posted.front();
        if (remove) m_posted.pop_front();
        return true;
    }
    if (m_quitCode) {
        *message = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(*m_quitCode), 0);
        if (remove) m_quitCode.reset();
        return true;
    }
    return false;
}

bool MessageQueue::Get(MSG* message) {
    while (!Peek(message, true)) Wait();
    return message->message != WM_QUIT;
}

bool MessageQueue::PeekOrWait(MSG* message) {
    const uint64_t destroyedBefore = m_destroyedCount;
    if (Peek(message, true)) return true;
    WaitSince(destroyedBefore);
    return false;
}

// Waiting also ends when a window goes, so that a modal loop whose dialog was
// destroyed by the work just done sees it at once.
void MessageQueue::Wait() {
    WaitSince(m_destroyedCount);
}

void MessageQueue::WaitSince(uint64_t destroyedBefore) {
    MSG waiting{};
    while (m_destroyedCount == destroyedBefore && !Peek(&waiting, false))
        UserBackendSlot::Current().WaitForInput(LongestWait());
}

LRESULT MessageQueue::Dispatch(const MSG& message) {
    if (message.hwnd == nullptr) return 0;
    return Send(message.hwnd, message.message, message.wParam, message.lParam);
}

void MessageQueue::ForgetWindow(HWND handle) {
    ++m_destroyedCount;
    m_timers.ForgetWindow(handle);
    std::lock_guard lock(m_postLock);
    std::erase_if(m_posted, [handle](const MSG& message) { return message.hwnd == handle; });
}

void MessageQueue::Clear() {
    std::lock_guard lock(m_postLock);
    m_posted.clear();
    m_handedWork.clear();
    m_quitCode.reset();
    m_timers.Clear();
}
