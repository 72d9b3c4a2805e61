#pragma once
// The album's entry point: one copy only, the main window and its start-up, the first
// page, the music, and the message loop with the page's idle redraw.

#include "platform/user/UserTypes.h"

// The main window's class, which also names the single-instance guard.
constexpr const char* kMainWindowClass = "QLYClass03";

// Answers 0 in every case.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine,
            int showCommand);

// Puts the program's objects back as they are before a first run, so that the album can
// run again in the same process (scenarios that restart it).
void ResetProgramState();
