#pragma once
// The browser's key names (KeyboardEvent.key) as the Windows virtual keys the program
// handles, the same keys as on the desktop. Letters and digits go by the character
// the key types, so that they follow the keyboard's layout as Windows' keys do.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/kernel/WinTypes.h"

class WebKeyMap {
public:
    // The virtual key of `key`, or nothing for a key the program never reads.
    static std::optional<UINT> VirtualKey(std::string_view key);
    // The names of every key other than letters and digits that the program reads.
    static std::vector<std::string_view> NamedKeys();
};
