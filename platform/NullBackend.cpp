#include "platform/NullBackend.h"

#include <chrono>
#include <cstdio>

NullBackend& NullBackend::Instance() {
    static NullBackend instance;
    return instance;
}

void NullBackend::Present(const Surface& /*screen*/, const RECT& /*area*/) {}

std::optional<InputEvent> NullBackend::NextInputEvent() {
    return std::nullopt;
}

void NullBackend::WaitForInput(DWORD milliseconds) {
    std::unique_lock lock(m_wakeLock);
    m_woken.wait_for(lock, std::chrono::milliseconds(milliseconds),
                     [this] { return m_wakeRequested; });
    m_wakeRequested = false;
}

void NullBackend::Wake() {
    {
        std::lock_guard lock(m_wakeLock);
        m_wakeRequested = true;
    }
    m_woken.notify_one();
}

void NullBackend::SetCursorImage(const CursorImage* /*image*/) {}

void NullBackend::SetCursorVisible(bool /*visible*/) {}

void NullBackend::WarpPointer(POINT /*screenPoint*/) {}

void NullBackend::ConfinePointer(const RECT* /*area*/) {}

void NullBackend::RestoreWindow() {}

void NullBackend::RaiseWindow() {}

bool NullBackend::OpenDisplay() {
    return false;
}

bool NullBackend::TakeDisplayExclusively() {
    return false;
}

bool NullBackend::SetDisplayMode(LONG /*width*/, LONG /*height*/, LONG /*bitsPerPixel*/) {
    return false;
}

bool NullBackend::RestoreDisplayMode() {
    return false;
}

bool NullBackend::CloseDisplay() {
    return false;
}

std::optional<PrinterDescription> NullBackend::DefaultPrinter() {
    return std::nullopt;
}

bool NullBackend::ConfirmPrinting(bool /*landscape*/) {
    return false;
}

bool NullBackend::StartPrintJob(const std::string& /*documentName*/) {
    return false;
}

bool NullBackend::PrintPage(const Surface& /*page*/) {
    return false;
}

bool NullBackend::EndPrintJob() {
    return false;
}

// Without a display the words go to standard error, where whoever started the album
// sees them.
bool NullBackend::TellWithoutDisplay(const std::string& text, const std::string& caption) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return true;
}

void NullBackend::Beep(UINT /*type*/) {}
