#pragma once
// The album's colours: a few bright, friendly hues and one dark ink for outlines.

#include "content/Canvas.h"

namespace Palette {

constexpr Colour INK = Colour::Hex(0x2B2340);
constexpr Colour WHITE = Colour::Hex(0xFFFFFF);
constexpr Colour CREAM = Colour::Hex(0xFFF6DC);
constexpr Colour SKY = Colour::Hex(0x8FD3FF);
constexpr Colour PALE_SKY = Colour::Hex(0xDDF3FF);
constexpr Colour SUN = Colour::Hex(0xFFD23F);
constexpr Colour ORANGE = Colour::Hex(0xFF9B3D);
constexpr Colour RED = Colour::Hex(0xF0524F);
constexpr Colour PINK = Colour::Hex(0xFF8FB8);
constexpr Colour PURPLE = Colour::Hex(0x9B6BDF);
constexpr Colour BLUE = Colour::Hex(0x3E9BF0);
constexpr Colour GREEN = Colour::Hex(0x4DC75A);
constexpr Colour GRASS = Colour::Hex(0x6FCF5B);
constexpr Colour DARK_GRASS = Colour::Hex(0x48A83E);
constexpr Colour BROWN = Colour::Hex(0xB9773E);
constexpr Colour NIGHT = Colour::Hex(0x2E3A87);

}  // namespace Palette
