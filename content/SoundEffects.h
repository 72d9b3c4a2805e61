#pragma once
// The four sound effects, synthesised: a peel when a sticker leaves its sheet, a
// stick when it lands at home, a blip when a sheet is chosen and a sweep when the
// album is cleared. Short, soft-edged and bright, so that they please rather than
// startle.

#include <vector>

#include "content/ContentOutput.h"

class SoundEffects {
public:
    static void Generate(ContentOutput& output);

private:
    static std::vector<double> Peel();
    static std::vector<double> Stick();
    static std::vector<double> Select();
    static std::vector<double> Clear();
};
