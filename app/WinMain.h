#pragma once
// The album's entry point: one copy only, the main window and its start-up, the first
// page, the music, and the message loop with the page's idle redraw.

#include "platform/user/UserTypes.h"

class Album;

// The main window's class, which also names the single-instance guard.
constexpr const char* kMainWindowClass = "QLYClass03";
// The main window's title, and the caption of the album's own messages.
constexpr const char* kAlbumTitle = "Quillory 3";

// Makes the album and runs it: the album named by `commandLine`, or without a name (or
// with one no album can have) the album a start opens (Album::Open). Answers 0 in every
// case.
int WinMain(HINSTANCE instance, HINSTANCE previousInstance, const char* commandLine,
            int showCommand);

// Runs `album` until its main window ends; a caller that keeps the album (a test) can look
// into it while it runs and after. Answers 0 in every case.
int RunAlbum(Album& album, HINSTANCE instance, int showCommand);
