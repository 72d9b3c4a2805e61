#pragma once
// Contact sheets of whole screens, put together from the generated data files the
// way the program draws them (tile by tile, at the screen places of the catalogue):
// the title screen, the playing screen on each page with some stickers stuck, one
// being carried and the sticker buttons in all their states, and the stickers-left
// counter at many counts. Runs after the modules that make those files.

#include "content/Canvas.h"
#include "content/ContentOutput.h"

class ScreenPreviews {
public:
    static void Generate(ContentOutput& output);
    // The title screen as the program first shows it.
    static Canvas TitleScreen(const ContentOutput& output);
};
