#pragma once
// Turns the program's pixel icon into a scalable SVG picture: the icon's few main
// colours are traced one by one into smooth outlines (the darkest, its outline
// colour, as the whole silhouette beneath the others), so the icon stays sharp at
// any size a desktop draws it.

#include <optional>
#include <string>

#include "platform/user/Cursor.h"

class IconTracer {
public:
    // The SVG text, or nothing when a colour cannot be traced.
    static std::optional<std::string> Svg(const CursorImage& icon);
};
