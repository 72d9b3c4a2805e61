#pragma once
// The Windows machine put in place of the in-memory one for the life of the album: the
// window, input, pointer and printing as the backend (Win32Backend), the system's audio
// output fed by the album's synthesizer and effects as the multimedia devices
// (Win32Multimedia), and the named mutex with its hidden window as the link between
// copies. Destroying it puts the previous machine back.

#include <memory>

#include "platform/machines/win32/HostWindow.h"
#include "platform/machines/win32/Win32Backend.h"
#include "platform/machines/win32/Win32InstanceLink.h"
#include "platform/machines/win32/Win32Multimedia.h"

class MultimediaBackend;

class Win32Machine {
public:
    // Makes the window (hidden until the album first shows something); null when it
    // cannot be made.
    static std::unique_ptr<Win32Machine> Install(HostWindow::Kind kind);

    ~Win32Machine();
    Win32Machine(const Win32Machine&) = delete;
    Win32Machine& operator=(const Win32Machine&) = delete;

private:
    explicit Win32Machine(std::unique_ptr<Win32Backend> backend);

    std::unique_ptr<Win32Backend> m_backend;
    Backend* m_previousBackend;
    Win32InstanceLink m_link;
    InstanceLink* m_previousLink;
    std::unique_ptr<Win32Multimedia> m_multimedia;
    MultimediaBackend* m_previousMultimedia;
};
