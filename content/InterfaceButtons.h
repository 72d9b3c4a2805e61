#pragma once
// The buttons of the playing screen, each an up face above a down face: the six
// command buttons (Quit with a door, Print with a printer, Clear All with a broom,
// About with a question mark, the page-turn arrows) and the eight sheet buttons, each
// showing a sticker of its sheet on the sheet's colour.

#include "content/ContentOutput.h"

class InterfaceButtons {
public:
    static void Generate(ContentOutput& output);
};
