#include "content/ButtonFaces.h"

#include <algorithm>

#include "content/Palette.h"

Canvas ButtonFaces::Face(const Canvas& backdrop, Colour colour, const Icon& icon,
                         const std::string& label, bool down) {
    const double width = backdrop.Width();
    const double height = backdrop.Height();
    Canvas face(backdrop.Width(), backdrop.Height());
    face.Paint(backdrop, 0, 0);
    const double radius = std::min(12.0, height / 3);
    const double top = down ? kDepth + 1 : 1;
    const double boxHeight = height - kDepth - 2;
    if (!down) {
        face.RoundedBox(1.5, 1 + kDepth, width - 3, boxHeight, radius);
        face.FillAndOutline(colour.Darker(0.6), Palette::kInk, 2.5);
    }
    const Colour body = down ? colour.Darker(0.85) : colour;
    face.RoundedBox(1.5, top, width - 3, boxHeight, radius);
    face.FillAndOutline(body, Palette::kInk, 2.5);
    // A soft shine along the top edge of the key.
    face.RoundedBox(radius * 0.6, top + 3, width - radius * 1.2, boxHeight * 0.3, radius * 0.5);
    face.FillPath(body.Lighter(0.3));

    const double centreY = top + boxHeight / 2;
    if (label.empty()) {
        icon(face, width / 2, centreY, std::min(width, boxHeight) * 0.8);
    } else {
        const double iconSize = boxHeight * 0.8;
        icon(face, 4 + iconSize / 2, centreY, iconSize);
        const double textCentre = (4 + iconSize + width) / 2;
        // Small letters keep their gaps open with a thinner outline.
        const double letterOutline = std::clamp(boxHeight / 16, 1.2, 2.5);
        face.OutlinedText(label, textCentre, centreY, boxHeight * 0.56, Palette::kWhite,
                          Palette::kInk, letterOutline);
    }
    return face;
}

Canvas ButtonFaces::UpAndDown(const Canvas& backdrop, Colour colour, const Icon& icon,
                              const std::string& label) {
    Canvas strip(backdrop.Width(), backdrop.Height() * 2);
    strip.Paint(Face(backdrop, colour, icon, label, false), 0, 0);
    strip.Paint(Face(backdrop, colour, icon, label, true), 0, backdrop.Height());
    return strip;
}
