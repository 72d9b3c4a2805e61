#pragma once
// The album's colours: a few bright, friendly hues and one dark ink for outlines.

#include "content/Canvas.h"

namespace Palette {

constexpr Colour kInk = Colour::Hex(0x2B2340);
constexpr Colour kWhite = Colour::Hex(0xFFFFFF);
constexpr Colour kCream = Colour::Hex(0xFFF6DC);
constexpr Colour kSky = Colour::Hex(0x8FD3FF);
constexpr Colour kPaleSky = Colour::Hex(0xDDF3FF);
constexpr Colour kSun = Colour::Hex(0xFFD23F);
constexpr Colour kOrange = Colour::Hex(0xFF9B3D);
constexpr Colour kRed = Colour::Hex(0xF0524F);
constexpr Colour kPink = Colour::Hex(0xFF8FB8);
constexpr Colour kPurple = Colour::Hex(0x9B6BDF);
constexpr Colour kBlue = Colour::Hex(0x3E9BF0);
constexpr Colour kGreen = Colour::Hex(0x4DC75A);
constexpr Colour kGrass = Colour::Hex(0x6FCF5B);
constexpr Colour kDarkGrass = Colour::Hex(0x48A83E);
constexpr Colour kBrown = Colour::Hex(0xB9773E);
constexpr Colour kNight = Colour::Hex(0x2E3A87);

}  // namespace Palette
