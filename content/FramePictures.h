#pragma once
// The playing screen's furniture: the frame bars cut from the screen frame, the
// page-label strip ("Page 1" to "Page 25", then the empty tile) and the
// stickers-left counter: five caption tiles (224, 99, 9, one and none) and the
// column of number faces that the counter lays over a caption for the other counts.

#include "content/ContentOutput.h"

class FramePictures {
public:
    static void Generate(ContentOutput& output);
};
