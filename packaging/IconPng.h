#pragma once
// Writes a menu icon as a PNG picture with its alpha channel (8-bit RGBA), so that
// the icon's see-through surround stays see-through on the desktop.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/user/Cursor.h"

class IconPng {
public:
    // The PNG file's bytes; none when the icon's pixels do not fill its size.
    static std::optional<std::vector<uint8_t>> Encode(const CursorImage& icon);
    // False when the icon's pixels do not fill its size or the file cannot be written.
    static bool Write(const CursorImage& icon, const std::string& path);
};
