#include "platform/user/WindowManager.h"

WindowManager& WindowManager::Instance() {
    static WindowManager manager;
    return manager;
}

WindowManager::WindowManager()
    : m_tree(*this), m_queue(*this), m_router(*this), m_painter(*this), m_focusAndPointer(*this) {}

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
