#pragma once
// A volume in percent as the multimedia outputs take it: the same level for the left
// channel (low word) and the right (high word), 0 silent to 0xFFFF full.

#include <algorithm>
#include <cstdint>

#include "platform/kernel/WinTypes.h"

inline DWORD OutputVolume(int32_t percent) {
    constexpr int64_t kFullLevel = 0xFFFF;
    const auto level = static_cast<DWORD>(kFullLevel * std::clamp(percent, 0, 100) / 100);
    return level | level << 16;
}
