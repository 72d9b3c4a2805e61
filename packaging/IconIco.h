#pragma once
// The program's icon as a Windows icon file (.ico): one PNG picture per size, each
// listed in the file's directory with its size, so that Windows picks the size it
// needs for the Start menu, the task bar, the title bar and the installed programs.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/user/Cursor.h"

class IconIco {
public:
    // The file's bytes with the icon resampled to each size (1..256); none when a size
    // is out of range or the icon's pixels do not fill it.
    static std::optional<std::vector<uint8_t>> Encode(const CursorImage& icon,
                                                      std::span<const LONG> sizes);
};
