#pragma once
// The buttons of the picture dialogs and message boxes, each with an up and a down
// face: YES (a green tick), NO (a red cross), OK (a blue tick), Cancel (a purple cross)
// and Quit (an open door); and the plain faces that the program letters at run time:
// the answers of the grown-ups' sum and the rows of their panel. The symbol says what
// the button does to a child who cannot read yet; the word is for the grown-up.

#include <string>

#include "content/Canvas.h"
#include "content/ContentOutput.h"

class DialogButtons {
public:
    enum class Symbol { Tick, Cross, Door, None };

    struct Look {
        std::string name;  // the resource names are name + "ButtonUp" / "ButtonDown"
        std::string label;
        Symbol symbol;
        Colour colour;
        // What lies around the button in its dialog, so that the corners blend in.
        Colour surroundings;
        int32_t width;
        int32_t height;
    };

    static const Look& Find(const std::string& name);
    static Canvas Draw(const Look& look, bool down);
    static void Generate(ContentOutput& output);
};
