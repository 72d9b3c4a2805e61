#pragma once
// The album's own messages to its main window.

#include "platform/user/UserTypes.h"

// The playing screen's page window is to be opened and its buttons made.
constexpr UINT UM_START_PLAYING = 2024;
// The screen on show is to make its buttons.
constexpr UINT UM_START_PHASE = 2025;
// A save failed in a way the parent has not been told of (SaveProblems).
constexpr UINT UM_TELL_SAVE_PROBLEMS = 2027;
