#pragma once
// The two pages of the book, each a scene whose stickers belong there: page 2 is a
// sunny farm (cow, sheep, pig, chick, hen, duck, dog and tractor), page 14 the sea
// (boat, whale, jellyfish, fish, octopus, turtle, seahorse, crab and starfish). Each
// page shows a faint ghost of every sticker at its home. Also the four page corners
// that round the page off inside its dark rim.

#include "content/ContentOutput.h"

class ScenePages {
public:
    static void Generate(ContentOutput& output);
    // Lays the four frames of the corner picture on a page drawn at (pageX, pageY),
    // where the document places its corner sprites.
    static void PaintCorners(Canvas& target, const Canvas& corners, double pageX, double pageY);
};
