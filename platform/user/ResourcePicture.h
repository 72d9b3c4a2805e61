#pragma once
// The pixels of a picture resource (Resources.h, kind Bitmap) as a surface, for what
// the window system draws itself: the message box's lettering and buttons.

#include <optional>
#include <string_view>

#include "platform/gdi/Surface.h"

class ResourcePicture {
public:
    // Nothing when the program has no such picture or its bytes are not a whole
    // 24-bit picture.
    static std::optional<Surface> Load(std::string_view name);
};
