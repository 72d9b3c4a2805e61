#include "platform/user/WindowManager.h"

#include "platform/kernel/Kernel.h"

WindowManager& WindowManager::Instance() {
    static WindowManager manager;
    return manager;
}

WindowManager::WindowManager()
    : m_queue(m_table, MessageSources{[this](bool remove, MSG* message) {
                                          return m_router.TakeInput(remove, message);
                                      },
                                      [this] { return m_painter.NextPaintMessage(); },
                                      [this] { return m_focusAndPointer.PointerPosition(); }}),
      m_focusAndPointer(m_table, m_queue),
      m_painter(m_table, m_queue),
      m_tree(m_table, m_queue, m_painter, m_focusAndPointer,
             [this](HWND handle) { ForgetWindow(handle); }),
      m_router(m_table, m_queue, m_focusAndPointer, m_tree) {}

Window* WindowManager::Known(HWND handle) {
    Window* found = m_table.Find(handle);
    if (found == nullptr) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return found;
}

void WindowManager::ForgetWindow(HWND handle) {
    m_queue.ForgetWindow(handle);
    m_router.ForgetWindow(handle);
    m_focusAndPointer.ForgetWindow(handle);
}

void WindowManager::Reset() {
    m_tree.Clear();
    m_queue.Clear();
    m_router.Clear();
    m_focusAndPointer.Clear();
    m_painter.TheScreen().Pixels().Fill(0);
}
