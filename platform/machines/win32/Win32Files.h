#pragma once
// The album's files on Windows, for as long as this lives: the program runs in the
// user's album folder (Win32Kernel::AlbumFolder), where it writes save003\ and
// options03.dta, and reads its content (data003\, QLY03.mid) from beside the program
// (ContentBesideProgram). Made before the album opens, so that its settings and saves
// are found there.

#include <memory>

#include "platform/machines/win32/ContentBesideProgram.h"
#include "platform/machines/win32/Win32Kernel.h"

class Win32Files {
public:
    Win32Files();
    ~Win32Files();
    Win32Files(const Win32Files&) = delete;
    Win32Files& operator=(const Win32Files&) = delete;

private:
    Win32Kernel m_kernel;
    KernelBackend* m_previousKernel;
    std::unique_ptr<ContentBesideProgram> m_volume;
    Volume* m_previousVolume;
};
