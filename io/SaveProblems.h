#pragma once
// The saves that failed during this run. A save that fails keeps the old file whole and
// the album keeps what it could not write in memory; the parent is told once per run
// which folder could not be written and why, so that the child can go on playing and
// the parent can make room or give the folder back its rights.

#include <string>

#include "platform/WinTypes.h"

class SaveProblems {
public:
    // A save of `fileName` (a full program path) failed with the Windows error `error`.
    static void Report(const std::string& fileName, DWORD error);
    // The message for the parent the first time it is asked for after a failed save;
    // empty when no save failed or the message has been taken already this run.
    static std::string TakeNotice();
    // A new run in the same process: nothing failed, nothing told.
    static void Reset();

private:
    static std::string NoticeFor(const std::string& fileName, DWORD error);
};
