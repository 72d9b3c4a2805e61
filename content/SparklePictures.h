#pragma once
// The twinkling stars the album shows when a sticker sticks and when a page is full: a
// keyed grid of four-pointed sparkles, one row for each colour and one column for each
// step of a twinkle, from a small glint to a full star with a shine on it.

#include "content/ContentOutput.h"

class SparklePictures {
public:
    static void Generate(ContentOutput& output);
};
