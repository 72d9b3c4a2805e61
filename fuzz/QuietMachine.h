#pragma once
// The machine of the fuzz targets that raise checks: it shows nothing and keeps no
// record, and answers every message box with its default button, unseen, so that a target
// run millions of times neither grows nor pays for clearing a record each run.

#include "platform/machines/Backend.h"

class QuietMachine : public Backend {
public:
    // Installs the one quiet machine (once) in place of the headless one.
    static void Install();

    // No input ever comes, and no one waits for it.
    void WaitForInput(DWORD) override {}
    bool TellWithoutDisplay(const std::string&, const std::string&) override { return true; }
};
