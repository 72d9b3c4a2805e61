#pragma once
// Every sticker's picture (magenta around its die-cut edge is see-through) and its
// strip of five button faces, and a contact sheet per sticker sheet for review.

#include "content/ContentOutput.h"

class StickerPictures {
public:
    static void Generate(ContentOutput& output);
};
