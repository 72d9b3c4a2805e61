#pragma once
// About: the album's About picture with its version and licence lettered below the
// picture, over the album's frame.

#include "platform/user/UserTypes.h"

// Shows About over `parent` until OK, Enter or Escape.
void ShowAboutBox(HWND parent);
// "Version 3.0 - MIT License"
const char* AboutLine();
