#pragma once
// The headless machine and the window system as fresh as at start-up, for the length of a
// test that makes windows, switches the display or prints.

#include "platform/machines/headless/HeadlessBackend.h"
#include "platform/user/WindowManager.h"

class FreshMachine {
protected:
    FreshMachine() { Reset(); }
    ~FreshMachine() { Reset(); }

    HeadlessBackend& machine = HeadlessBackend::Instance();

private:
    void Reset() {
        WindowManager::Instance().Reset();
        machine.Reset();
    }
};
