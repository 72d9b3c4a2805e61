#pragma once
// The title screen: the background whose top-left 8 × 8 block is a seamless pattern
// (the screen is tiled from that block), the title picture laid on it, and the start
// button drawn on the part of the title picture it covers.

#include "content/Canvas.h"
#include "content/ContentOutput.h"

class TitlePictures {
public:
    static constexpr int32_t kPattern = 8;

    static void Generate(ContentOutput& output);
};
