#pragma once
// Puts what the platform and the save reports keep for the process back as before a first
// run, so that an album can run again in the same process (scenarios that restart it).

#include "io/FileManager.h"
#include "io/SaveProblems.h"
#include "platform/kernel/Kernel.h"

inline void ResetProgramState() {
    SetSharedWindowHandle(nullptr);
    SaveProblems::Reset();
    CFileManager::SetAlbumName("");
}
