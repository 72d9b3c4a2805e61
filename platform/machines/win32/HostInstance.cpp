#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include "platform/machines/win32/HostInstance.h"

#include <windows.h>

#include <algorithm>
#include <future>
#include <thread>
#include <utility>

#include "platform/machines/win32/HostText.h"

namespace {

constexpr UINT kRequestMessage = WM_APP + 1;
// How long a later copy waits for the first one's answer.
constexpr UINT kAnswerTimeoutMs = 3000;
// An answer's value, with this bit set to tell "0" from "no answer".
constexpr int kLooksForWindow = 10;
constexpr DWORD kLookIntervalMs = 50;
constexpr LRESULT kAnswered = LRESULT{1} << 32;

// A kernel object's name may not hold a backslash after its namespace.
std::wstring ObjectName(const std::string& name) {
    std::wstring wide = HostText::Wide(name);
    std::replace(wide.begin(), wide.end(), L'\\', L'_');
    return wide;
}

std::wstring MutexName(const std::string& name) {
    return L"Local\\Quillory3-" + ObjectName(name);
}

std::wstring WindowClassName(const std::string& name) {
    return L"Quillory3Instance-" + ObjectName(name);
}

class FirstCopy final : public HostInstance {
public:
    FirstCopy(HANDLE mutex, const std::string& name, Answer answer)
        : m_mutex(mutex), m_className(WindowClassName(name)), m_answer(std::move(answer)) {
        std::promise<HWND> made;
        std::future<HWND> window = made.get_future();
        m_thread = std::thread([this, &made] { Listen(made); });
        m_window = window.get();
    }
    ~FirstCopy() override {
        if (m_window != nullptr) PostMessageW(m_window, WM_CLOSE, 0, 0);
        m_thread.join();
        CloseHandle(m_mutex);
    }
    FirstCopy(const FirstCopy&) = delete;
    FirstCopy& operator=(const FirstCopy&) = delete;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<FirstCopy*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == kRequestMessage && self != nullptr) {
            const std::optional<uint32_t> answer = self->m_answer(static_cast<char>(wParam));
            return answer ? kAnswered | static_cast<LRESULT>(*answer) : 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }

    // The listening thread: its window answers until it is closed.
    void Listen(std::promise<HWND>& made) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &FirstCopy::Procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = m_className.c_str();
        RegisterClassExW(&windowClass);
        const HWND window = CreateWindowExW(0, m_className.c_str(), L"", 0, 0, 0, 0, 0,
                                            HWND_MESSAGE, nullptr, instance, this);
        made.set_value(window);
        if (window == nullptr) return;
        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
        UnregisterClassW(m_className.c_str(), instance);
    }

    HANDLE m_mutex;
    std::wstring m_className;
    Answer m_answer;
    std::thread m_thread;
    HWND m_window = nullptr;
};

}  // namespace

std::unique_ptr<HostInstance> HostInstance::Claim(const std::string& name, Answer answer) {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, MutexName(name).c_str());
    if (mutex == nullptr) return nullptr;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return nullptr;
    }
    return std::make_unique<FirstCopy>(mutex, name, std::move(answer));
}

// The first copy claims the name a moment before its window is there: a copy started
// in that moment looks again for a little while.
std::optional<uint32_t> HostInstance::Ask(const std::string& name, char request) {
    const std::wstring className = WindowClassName(name);
    HWND first = FindWindowExW(HWND_MESSAGE, nullptr, className.c_str(), nullptr);
    for (int look = 0; first == nullptr && look < kLooksForWindow; ++look) {
        Sleep(kLookIntervalMs);
        first = FindWindowExW(HWND_MESSAGE, nullptr, className.c_str(), nullptr);
    }
    if (first == nullptr) return std::nullopt;
    DWORD process = 0;
    GetWindowThreadProcessId(first, &process);
    AllowSetForegroundWindow(process);
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(first, kRequestMessage, static_cast<WPARAM>(request), 0,
                            SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &result) == 0)
        return std::nullopt;
    const auto answer = static_cast<LRESULT>(result);
    if ((answer & kAnswered) == 0) return std::nullopt;
    return static_cast<uint32_t>(answer & 0xFFFFFFFF);
}
