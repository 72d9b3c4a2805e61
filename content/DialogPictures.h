#pragma once
// The pictures behind the dialogs: the Clear All question, the About box, the hint
// shown at the first pick and the ending screen. Big pictures, few words; the space
// where the dialog's buttons sit is kept plain in the colour the buttons are drawn on.

#include "content/ContentOutput.h"

class DialogPictures {
public:
    static void Generate(ContentOutput& output);
};
