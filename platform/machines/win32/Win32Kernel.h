#pragma once
// The kernel's side of the Windows machine: the album's settings, like all its files,
// are kept in the user's local application data folder.

#include <string>

#include "platform/kernel/KernelBackend.h"

class Win32Kernel : public virtual KernelBackend {
public:
    // %LOCALAPPDATA%\Quillory3 (the program's folder when Windows knows none).
    static std::string AlbumFolder();

    std::string SettingsFolder() override { return AlbumFolder(); }
};
