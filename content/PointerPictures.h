#pragma once
// The arrow cursor "ArrowCursor" (large, bright, with its hot spot at the tip) and
// the program's icon, resource 100 (a smiling star sticker lifting off its sheet).
// Both are keyed pictures: magenta around the shape is see-through.

#include "content/ContentOutput.h"

class PointerPictures {
public:
    static constexpr int32_t kCursorSize = 48;
    static constexpr int32_t kIconSize = 64;
    static constexpr uint16_t kIconId = 100;

    static void Generate(ContentOutput& output);
};
