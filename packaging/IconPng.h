#pragma once
// Writes a menu icon as a PNG picture with its alpha channel (8-bit RGBA), so that
// the icon's see-through surround stays see-through on the desktop.

#include <string>

#include "platform/user/Cursor.h"

class IconPng {
public:
    // False when the icon's pixels do not fill its size or the file cannot be written.
    static bool Write(const CursorImage& icon, const std::string& path);
};
