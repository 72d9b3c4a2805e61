#pragma once
// A RIFF WAVE image played at a lower volume: a copy whose PCM samples (8 or 16 bits,
// the kinds the program's sounds are made of) are scaled towards silence. Bytes that are
// no such WAVE, and every byte but the samples, are copied as they are.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/kernel/WinTypes.h"

struct WaveVolume {
    // Full volume, as waveOutSetVolume takes it for one channel.
    static constexpr DWORD kFull = 0xFFFF;

    // `wave` with its samples scaled by `level` / kFull (levels above kFull count as full).
    static std::vector<uint8_t> Scaled(std::span<const uint8_t> wave, DWORD level);
};
