#include "platform/user/WindowLongs.h"

#include "platform/kernel/Kernel.h"
#include "platform/user/WindowManager.h"

LONG_PTR GetWindowLongPtrA(HWND window, int index) {
    const Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr) return 0;
    switch (index) {
        case GWL_WNDPROC:
            return reinterpret_cast<LONG_PTR>(found->procedure);
        case GWL_HINSTANCE:
            return reinterpret_cast<LONG_PTR>(found->instance);
        case GWL_ID:
            return found->id;
        case GWL_STYLE:
            return static_cast<LONG_PTR>(found->style);
        case GWL_USERDATA:
            return found->userData;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
}

LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
    Window* found = WindowManager::Instance().Known(window);
    if (found == nullptr) return 0;
    const LONG_PTR previous = GetWindowLongPtrA(window, index);
    switch (index) {
        case GWL_WNDPROC:
            found->procedure = reinterpret_cast<WNDPROC>(value);
            break;
        case GWL_ID:
            found->id = value;
            break;
        case GWL_USERDATA:
            found->userData = value;
            break;
        default:
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
    }
    return previous;
}

LONG GetWindowLongA(HWND window, int index) {
    if (index == GWL_WNDPROC) {
        SetLastError(ERROR_INVALID_INDEX);
        return 0;
    }
    return static_cast<LONG>(GetWindowLongPtrA(window, index));
}
