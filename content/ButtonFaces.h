#pragma once
// The faces of the album's picture buttons: a bright rounded key with a picture and,
// where there is room, a word. The up face stands on its shadow; the down face has
// sunk into it, a shade darker, so that a press is plain to see.

#include <functional>
#include <string>

#include "content/Canvas.h"

class ButtonFaces {
public:
    // Draws the button's picture centred on (centreX, centreY) within `size`.
    using Icon = std::function<void(Canvas&, double centreX, double centreY, double size)>;

    // How far a face sinks when pressed.
    static constexpr double kDepth = 4.0;

    // One face, `backdrop`-sized, on a copy of what lies behind the button.
    static Canvas Face(const Canvas& backdrop, Colour colour, const Icon& icon,
                       const std::string& label, bool down);
    // The up face above the down face: a two-face strip of the tile tables.
    static Canvas UpAndDown(const Canvas& backdrop, Colour colour, const Icon& icon,
                            const std::string& label);
};
