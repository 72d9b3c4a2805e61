#pragma once
// The drawing vocabulary of the stickers: a design draws its picture in a 100 × 100
// box in bright colours with bold dark outlines, and says what it shows in a few
// calls to the helpers below. A page theme lists one design per sticker of its page.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <numbers>

#include "content/Canvas.h"
#include "content/Palette.h"

namespace DesignKit {

using Design = std::function<void(Canvas&)>;

constexpr double kBox = 100.0;
constexpr double kOutline = 4.0;
constexpr double kPi = std::numbers::pi;

constexpr Colour kInk = Palette::kInk;
constexpr Colour kWhite = Palette::kWhite;
constexpr Colour kLightGrey = Colour::Hex(0xC9CCD6);
constexpr Colour kGrey = Colour::Hex(0x9AA0B0);
constexpr Colour kDarkBrown = Colour::Hex(0x7A4A26);
constexpr Colour kTan = Colour::Hex(0xE9C28F);
constexpr Colour kSoftPink = Colour::Hex(0xFFC2D4);
constexpr Colour kTeal = Colour::Hex(0x2EC4B6);
constexpr Colour kLime = Colour::Hex(0xB5E550);
constexpr Colour kTyre = Colour::Hex(0x444455);

// Fills the current path and draws the album's bold outline around it.
void Solid(Canvas& canvas, Colour fill);
void Line(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width);
// A line drawn as a bold, outlined band (stems, strings, handles).
void Band(Canvas& canvas, double x1, double y1, double x2, double y2, Colour colour, double width);
void Dot(Canvas& canvas, double x, double y, double radius, Colour colour);
// Two shiny eyes: a dark dot with a white glint each.
void Eyes(Canvas& canvas, double centreX, double y, double gap, double radius);
void Grin(Canvas& canvas, double centreX, double y, double radius);
// Eyes and a grin: the friendly face that food, shapes and things wear.
void Face(Canvas& canvas, double centreX, double centreY, double size);
void Leaf(Canvas& canvas, double x, double y, double length, double turn, Colour colour);
// Draws a left (side -1) and a right (side +1) copy of a symmetric part.
void PairOf(const std::function<void(double side)>& draw);
void Wheels(Canvas& canvas, std::initializer_list<double> xs, double y, double radius);

// A design from a drawing function and the arguments that pick its variety.
template <typename... Args>
Design With(void (*draw)(Canvas&, Args...), Args... args) {
    return [=](Canvas& canvas) { draw(canvas, args...); };
}

}  // namespace DesignKit
