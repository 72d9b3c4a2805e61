#pragma once
// The saves that fail while the album runs. A save that fails keeps the old file whole
// and the album keeps what it could not write in memory; the parent is told which
// folder could not be written and why, so that the child can go on playing and the
// parent can make room or give the folder back its rights.
//
// The parent is told once per kind of failure (a full disk, files that may not be
// written, a missing folder, any other refusal of the disk): not again while files still
// fail that way, however often they are tried, but again should it come back after every
// file that met it has been saved since. A kind that clears up before it was told is not
// told at all.

#include <functional>
#include <string>
#include <vector>

#include "platform/kernel/WinTypes.h"

class SaveProblems {
public:
    // Called when a failure of a kind not told yet is first reported, so that the shell
    // can tell the parent before the album takes any further input.
    using Teller = std::function<void()>;
    static void SetTeller(Teller teller);

    // A save of `fileName` (a full program path) failed with the Windows error `error`.
    static void Report(const std::string& fileName, DWORD error);
    // A save of `fileName` reached the disk.
    static void Saved(const std::string& fileName);
    // The messages for the parent not given yet, one per kind of failure; taking them
    // marks them told.
    static std::vector<std::string> TakeNotices();
    // A new run in the same process: nothing failed, nothing told, nobody to tell yet.
    static void Reset();

private:
    static std::string NoticeFor(const std::string& fileName, DWORD error);
};
